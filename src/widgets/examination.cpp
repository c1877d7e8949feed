// The three examinations: their command-line values, names, pool letters and captions.
// SPDX-License-Identifier: MIT
#include "widgets/examination.h"

#include <QLocale>

namespace Examinations {

QString optionValue(Examination exam) {
    switch (exam) {
    case Examination::Technician:
        return QStringLiteral("technician");
    case Examination::Extra:
        return QStringLiteral("extra");
    case Examination::General:
        break;
    }
    return QStringLiteral("general");
}

std::optional<Examination> fromOptionValue(const QString& value) {
    for (Examination exam : all)
        if (value == optionValue(exam))
            return exam;
    return std::nullopt;
}

QString unknownValueMessage(const QString& value) {
    return QStringLiteral("varnel-theory: unknown exam '%1'; choose technician, general or extra")
        .arg(value);
}

QString displayName(Examination exam) {
    QString name = optionValue(exam);
    name[0] = name.at(0).toUpper();
    return name;
}

std::optional<Examination> fromPoolLetter(QChar letter) {
    if (letter == QLatin1Char('T'))
        return Examination::Technician;
    if (letter == QLatin1Char('G'))
        return Examination::General;
    if (letter == QLatin1Char('E'))
        return Examination::Extra;
    return std::nullopt;
}

QString caption(const QString& programTitle, Examination exam) {
    if (exam == Examination::General)
        return programTitle;
    return programTitle + QStringLiteral(" \u2013 ") + displayName(exam);
}

QString aboutLine(Examination exam, const QDate& validFrom, const QDate& validUntil) {
    QString line = displayName(exam) + QStringLiteral(" class exam");
    if (validFrom.isValid() && validUntil.isValid()) {
        const QString format = QStringLiteral("MMMM d, yyyy");
        line += QStringLiteral("; pool valid %1 to %2")
                    .arg(QLocale::c().toString(validFrom, format),
                         QLocale::c().toString(validUntil, format));
    }
    return line;
}

ProgramOptions parseArguments(const QStringList& arguments) {
    ProgramOptions options;
    for (qsizetype i = 0; i < arguments.size() && options.error.isEmpty(); ++i) {
        const QString& argument = arguments.at(i);
        QString value;
        QString option = argument;
        if (const qsizetype equals = argument.indexOf(QLatin1Char('='));
            argument.startsWith(QLatin1String("--")) && equals > 0) {
            option = argument.left(equals);
            value = argument.mid(equals + 1);
        } else if ((argument == QLatin1String("--exam") ||
                    argument == QLatin1String("--launcher")) &&
                   i + 1 < arguments.size()) {
            value = arguments.at(++i);
        }
        if (option == QLatin1String("--exam")) {
            if (const auto exam = fromOptionValue(value))
                options.exam = *exam;
            else
                options.error = unknownValueMessage(value);
        } else if (option == QLatin1String("--launcher")) {
            options.launcher = value;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument == QLatin1String("--version")) {
            options.version = true;
        }
    }
    return options;
}

QString usage() {
    return QStringLiteral(
        "Usage: varnel-theory [--exam technician|general|extra]\n"
        "Studies the questions of a US amateur-radio theory examination: the Technician,\n"
        "General or Extra class pool, each in a question bank of its own.\n"
        "\n"
        "  --exam EXAM   the examination to study: technician, general (the default) or\n"
        "                extra. Each has its own working folder,\n"
        "                $XDG_DATA_HOME/varnel-theory/EXAM (~/.local/share/varnel-theory/EXAM),\n"
        "                made from the installed default the first time and never replaced;\n"
        "                a General bank from before lives on in varnel-theory itself.\n"
        "                File, Study Technician/General/Extra changes exam from the window.\n"
        "  --help        show this text\n"
        "  --version     show the version\n");
}

} // namespace Examinations
