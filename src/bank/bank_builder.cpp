#include "bank/bank_builder.h"

#include "bank/bank_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

QString BankBuilder::usage() {
    return QStringLiteral(
        "Usage: varnel-bank --out FILE [--replace] SOURCE...\n"
        "Builds a question bank (newgen2.mdb) from question-pool text.\n"
        "A SOURCE is a whole pool text file as the question pool committee publishes it\n"
        "(UTF-8 text), or a folder of one-question files named by question number.\n"
        "  --out FILE   the bank to write\n"
        "  --replace    replace FILE when it exists (otherwise it is left alone)\n"
        "  --help       show this text\n");
}

bool BankBuilder::parseArguments(const QStringList& arguments, Options* options, QString* error) {
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
        } else if (arg == QStringLiteral("--replace")) {
            options->replace = true;
        } else if (arg == QStringLiteral("--out") || arg.startsWith(QStringLiteral("--out="))) {
            if (!options->out.isEmpty()) {
                *error = QStringLiteral("--out is given twice");
                return false;
            }
            if (arg == QStringLiteral("--out")) {
                if (i + 1 >= arguments.size()) {
                    *error = QStringLiteral("--out needs a file name");
                    return false;
                }
                options->out = arguments.at(++i);
            } else {
                options->out = arg.mid(6);
            }
            if (options->out.isEmpty()) {
                *error = QStringLiteral("--out needs a file name");
                return false;
            }
        } else {
            *error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        }
    }
    if (options->help)
        return true;
    if (options->out.isEmpty()) {
        *error = QStringLiteral("no --out FILE given");
        return false;
    }
    if (options->sources.isEmpty()) {
        *error = QStringLiteral("no SOURCE given");
        return false;
    }
    return true;
}

namespace {

bool readFile(const QString& path, QByteArray* bytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: cannot read: %2").arg(path, file.errorString());
        return false;
    }
    *bytes = file.readAll();
    return true;
}

bool readOne(const QString& path, PoolTextParser::Layout layout, QVector<PoolQuestion>* questions,
             QString* error) {
    QByteArray bytes;
    if (!readFile(path, &bytes, error))
        return false;
    const PoolTextResult result = PoolTextParser::parse(bytes, path, layout);
    if (!result.ok) {
        *error = result.error.toString();
        return false;
    }
    *questions += result.questions;
    return true;
}

// A folder as Debian's hamexam installs it: one file per question, named by its number.
bool readFolder(const QString& path, QVector<PoolQuestion>* questions, QString* error) {
    const QDir dir(path);
    QStringList names;
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files, QDir::Name)) {
        if (PoolTextParser::isQuestionNumber(entry.completeBaseName()))
            names << entry.filePath();
    }
    if (names.isEmpty()) {
        *error = QStringLiteral("%1: the folder holds no one-question files (files named by "
                                "question number, such as G1A01)")
                     .arg(path);
        return false;
    }
    for (const QString& name : names) {
        QVector<PoolQuestion> found;
        if (!readOne(name, PoolTextParser::Layout::OneQuestion, &found, error))
            return false;
        const QString expected = QFileInfo(name).completeBaseName();
        for (const PoolQuestion& question : found) {
            if (found.size() == 1 && question.number != expected) {
                *error = PoolTextError{name, question.line, question.number,
                                       QStringLiteral("the file is named %1 but holds question %2")
                                           .arg(expected, question.number)}
                             .toString();
                return false;
            }
        }
        *questions += found;
    }
    return true;
}

} // namespace

bool BankBuilder::readSources(const QStringList& sources, QVector<PoolQuestion>* questions,
                              QString* error) {
    QVector<PoolQuestion> all;
    for (const QString& source : sources) {
        const QFileInfo info(source);
        bool ok = false;
        if (info.isDir())
            ok = readFolder(source, &all, error);
        else if (info.exists())
            ok = readOne(source, PoolTextParser::Layout::WholePool, &all, error);
        else
            *error = QStringLiteral("%1: no such file or folder").arg(source);
        if (!ok)
            return false;
    }
    QHash<QString, const PoolQuestion*> seen;
    for (const PoolQuestion& question : all) {
        const auto it = seen.constFind(question.number);
        if (it != seen.cend()) {
            *error = PoolTextError{question.file, question.line, question.number,
                                   QStringLiteral("the number appears twice (first at %1:%2)")
                                       .arg((*it)->file)
                                       .arg((*it)->line)}
                         .toString();
            return false;
        }
        seen.insert(question.number, &question);
    }
    *questions = all;
    return true;
}

int BankBuilder::run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    Options options;
    QString error;
    if (!parseArguments(arguments, &options, &error)) {
        err << "varnel-bank: " << error << "\n" << usage();
        err.flush();
        return 2;
    }
    if (options.help) {
        out << usage();
        out.flush();
        return 0;
    }
    // Checked before the slow part as well as by the writer, so a forgotten --replace
    // is reported at once.
    if (QFileInfo::exists(options.out) && !options.replace) {
        err << "varnel-bank: " << options.out
            << " already exists; give --replace to replace it. Nothing was written.\n";
        err.flush();
        return 1;
    }
    QVector<PoolQuestion> questions;
    if (!readSources(options.sources, &questions, &error)) {
        err << "varnel-bank: " << error << "\nNothing was written.\n";
        err.flush();
        return 1;
    }
    BankWriter::Counts counts;
    if (!BankWriter::write(options.out, questions, options.replace, &counts, &error)) {
        err << "varnel-bank: " << error << "\nNothing was written.\n";
        err.flush();
        return 1;
    }
    out << "varnel-bank: wrote " << counts.questions << " questions and " << counts.hints
        << " hints to " << options.out << "\n";
    out.flush();
    return 0;
}
