// The varnel-bank command line: its usage text, argument parsing, the pool age notice, and
// building, checking and converting.
// SPDX-License-Identifier: MIT
#include "bank_command.h"

#include "bank/bank_writer.h"
#include "bank/pool_sources.h"
#include "figure_bitmap.h"

#include <QFileInfo>
#include <QLocale>

#include "varnel_version.h"

QString BankCommand::usage() {
    return QStringLiteral(
        "Usage: varnel-bank --out FILE [--replace] SOURCE...\n"
        "       varnel-bank --check FILE\n"
        "       varnel-bank --figure IMAGE BITMAP\n"
        "Builds a question bank (newgen2.mdb) from question-pool text.\n"
        "A SOURCE is a whole pool text file as the question pool committee publishes it\n"
        "(UTF-8 text), or a folder of one-question files named by question number.\n"
        "  --out FILE     the bank to write\n"
        "  --replace      replace FILE when it exists (otherwise it is left alone)\n"
        "  --check FILE   say in one line (exit status 3) when the pool of the bank FILE\n"
        "                 has expired; nothing while it is valid\n"
        "  --figure IMAGE BITMAP\n"
        "                 convert a pool's figure into the bitmap the program shows,\n"
        "                 its white margin trimmed and scaled down to fit the figure\n"
        "                 window (588 x 360 pixels)\n"
        "  --version      show the version\n"
        "  --help         show this text\n");
}

BankStatus BankCommand::parseArguments(const QStringList& arguments, Options* options) {
    *options = Options{};
    bool onlySources = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (onlySources || !arg.startsWith(QStringLiteral("--")) || arg.size() == 2) {
            if (!onlySources && arg == QStringLiteral("--"))
                onlySources = true;
            else
                options->sources << arg;
        } else if (arg == QStringLiteral("--help")) {
            options->help = true;
        } else if (arg == QStringLiteral("--version")) {
            options->version = true;
        } else if (arg == QStringLiteral("--check")) {
            if (i + 1 >= arguments.size())
                return BankStatus::failure(QStringLiteral("--check needs a bank file"));

            options->check = arguments.at(++i);
        } else if (arg == QStringLiteral("--replace")) {
            options->replace = true;
        } else if (arg == QStringLiteral("--out") || arg.startsWith(QStringLiteral("--out="))) {
            if (!options->out.isEmpty())
                return BankStatus::failure(QStringLiteral("--out is given twice"));

            if (arg == QStringLiteral("--out")) {
                if (i + 1 >= arguments.size())
                    return BankStatus::failure(QStringLiteral("--out needs a file name"));

                options->out = arguments.at(++i);
            } else {
                options->out = arg.mid(6);
            }
            if (options->out.isEmpty())
                return BankStatus::failure(QStringLiteral("--out needs a file name"));

        } else {
            return BankStatus::failure(QStringLiteral("unknown option %1").arg(arg));
        }
    }
    if (options->help || options->version)
        return BankStatus::success();
    if (!options->check.isEmpty()) {
        if (!options->out.isEmpty() || !options->sources.isEmpty())
            return BankStatus::failure(QStringLiteral("--check takes only the bank file"));
        return BankStatus::success();
    }
    if (options->out.isEmpty())
        return BankStatus::failure(QStringLiteral("no --out FILE given"));

    if (options->sources.isEmpty())
        return BankStatus::failure(QStringLiteral("no SOURCE given"));
    return BankStatus::success();
}

QString BankCommand::ageNotice(const QString& path, const BankInfo& info, BankInfo::Age age) {
    const auto day = [](const QDate& date) {
        return QLocale::c().toString(date, QStringLiteral("MMMM d, yyyy"));
    };
    switch (age) {
    case BankInfo::Age::Expired:
        return QStringLiteral("%1 holds the %2, which expired on %3")
            .arg(path, info.pool, day(info.validUntil));
    case BankInfo::Age::Unrecorded:
        // Until pools were recorded, the default bank came from the 2019-2023 pool.
        return QStringLiteral("%1 records no pool; it may be the old default from the "
                              "2019-2023 pool, which expired on June 30, 2023")
            .arg(path);
    case BankInfo::Age::Current:
    case BankInfo::Age::Undated:
        break;
    }
    return QString();
}

int BankCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const auto fail = [&](int exitStatus, const QString& why, const char* tail = "\n") {
        err << "varnel-bank: " << why << tail;
        err.flush();
        return exitStatus;
    };
    // The figure conversion takes its two paths and nothing else.
    if (!arguments.isEmpty() && arguments.first() == QStringLiteral("--figure")) {
        if (arguments.size() != 3)
            return fail(
                2, QStringLiteral("--figure needs a picture and the bitmap to write\n") + usage(),
                "");
        QString error;
        return FigureBitmap::convert(arguments.at(1), arguments.at(2), &error) ? 0 : fail(1, error);
    }
    Options options;
    if (BankStatus parsed = parseArguments(arguments, &options); !parsed)
        return fail(2, parsed.reason() + QLatin1Char('\n') + usage(), "");
    if (options.help || options.version) {
        out << (options.help ? usage() : QStringLiteral("varnel-bank " VARNEL_VERSION "\n"));
        out.flush();
        return 0;
    }
    if (!options.check.isEmpty()) {
        BankInfo info;
        bool found = false;
        if (BankStatus read = BankInfo::read(options.check, &info, &found); !read)
            return fail(1, read.reason());
        const QString notice =
            ageNotice(options.check, info, info.age(QDate::currentDate(), found));
        if (notice.isEmpty())
            return 0;
        out << notice << "\n";
        out.flush();
        return 3;
    }
    // Checked before the slow part as well as by the writer, so a forgotten --replace
    // is reported at once.
    if (QFileInfo::exists(options.out) && !options.replace)
        return fail(1, options.out + QStringLiteral(" already exists; give --replace to replace "
                                                    "it. Nothing was written."));
    QVector<PoolQuestion> questions;
    BankInfo info;
    BankWriter::Counts counts;
    BankStatus built = readPoolSources(options.sources, &questions, &info);
    if (built)
        built = BankWriter::write(options.out, questions, options.replace, &counts, &info);
    if (!built)
        return fail(1, built.reason(), "\nNothing was written.\n");
    out << "varnel-bank: wrote " << counts.questions << " questions and " << counts.hints
        << " hints to " << options.out << "\n";
    out.flush();
    return 0;
}
