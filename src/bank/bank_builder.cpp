#include "bank/bank_builder.h"

#include "bank/bank_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>

#include "varnel_version.h"

QString BankBuilder::usage() {
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
        "                 scaled down to fit within 800 x 600 pixels\n"
        "  --version      show the version\n"
        "  --help         show this text\n");
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
        } else if (arg == QStringLiteral("--version")) {
            options->version = true;
        } else if (arg == QStringLiteral("--check")) {
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("--check needs a bank file");
                return false;
            }
            options->check = arguments.at(++i);
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
    if (options->help || options->version)
        return true;
    if (!options->check.isEmpty()) {
        if (!options->out.isEmpty() || !options->sources.isEmpty()) {
            *error = QStringLiteral("--check takes only the bank file");
            return false;
        }
        return true;
    }
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
             QString* error, BankInfo* info = nullptr) {
    QByteArray bytes;
    if (!readFile(path, &bytes, error))
        return false;
    if (info && info->pool.isEmpty() && layout == PoolTextParser::Layout::WholePool) {
        const BankInfo named = BankInfo::fromPoolText(bytes);
        info->pool = named.pool;
        info->validFrom = named.validFrom;
        info->validUntil = named.validUntil;
    }
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
                              QString* error, BankInfo* info) {
    QVector<PoolQuestion> all;
    BankInfo found;
    QStringList names;
    for (const QString& source : sources) {
        const QFileInfo file(source);
        names << file.fileName();
        bool ok = false;
        if (file.isDir())
            ok = readFolder(source, &all, error);
        else if (file.exists())
            ok = readOne(source, PoolTextParser::Layout::WholePool, &all, error, &found);
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
    if (info) {
        found.sources = names.join(QStringLiteral(", "));
        found.builtWith = QStringLiteral("varnel-bank " VARNEL_VERSION);
        *info = found;
    }
    return true;
}

QString BankBuilder::ageNotice(const QString& path, const BankInfo& info, BankInfo::Age age) {
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

int BankBuilder::run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    Options options;
    QString error;
    if (!parseArguments(arguments, &options, &error)) {
        err << "varnel-bank: " << error << "\n" << usage();
        err.flush();
        return 2;
    }
    if (options.help || options.version) {
        out << (options.help ? usage() : QStringLiteral("varnel-bank " VARNEL_VERSION "\n"));
        out.flush();
        return 0;
    }
    if (!options.check.isEmpty()) {
        BankInfo info;
        bool found = false;
        const BankStatus status = BankInfo::read(options.check, &info, &found);
        if (!status) {
            err << "varnel-bank: " << status.reason() << "\n";
            err.flush();
            return 1;
        }
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
    if (QFileInfo::exists(options.out) && !options.replace) {
        err << "varnel-bank: " << options.out
            << " already exists; give --replace to replace it. Nothing was written.\n";
        err.flush();
        return 1;
    }
    QVector<PoolQuestion> questions;
    BankInfo info;
    if (!readSources(options.sources, &questions, &error, &info)) {
        err << "varnel-bank: " << error << "\nNothing was written.\n";
        err.flush();
        return 1;
    }
    BankWriter::Counts counts;
    if (!BankWriter::write(options.out, questions, options.replace, &counts, &error, &info)) {
        err << "varnel-bank: " << error << "\nNothing was written.\n";
        err.flush();
        return 1;
    }
    out << "varnel-bank: wrote " << counts.questions << " questions and " << counts.hints
        << " hints to " << options.out << "\n";
    out.flush();
    return 0;
}
