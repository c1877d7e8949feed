// Reading pool sources: whole pool text files and folders of one-question files, named by their
// numbers.
// SPDX-License-Identifier: MIT
#include "bank/pool_sources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "varnel_version.h"

namespace {

// Far more than any question pool: the 2023-2027 General pool is about 150 KB.
constexpr qint64 largestSource = 64 * 1024 * 1024;

BankStatus notRegular(const QString& path) {
    return BankStatus::failure(
        QStringLiteral("%1: not a regular file or folder, so not a pool source").arg(path));
}

BankStatus tooLarge(const QString& path) {
    return BankStatus::failure(
        QStringLiteral("%1: larger than 64 MiB, far more than any question pool").arg(path));
}

// Reads a regular file of at most largestSource bytes. A device, a pipe or a socket is
// refused before it is opened (a device such as /dev/zero never ends, a pipe without
// a writer would wait for ever), and again on the opened descriptor, in case the path
// was replaced meanwhile.
BankStatus readFile(const QString& path, QByteArray* bytes) {
    const QFileInfo info(path);
    if (!info.isFile())
        return notRegular(path);
    if (info.size() > largestSource)
        return tooLarge(path);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return BankStatus::failure(
            QStringLiteral("%1: cannot read: %2").arg(path, qt_error_string(errno)));
    QFile file;
    struct stat status {};
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return BankStatus::failure(
            QStringLiteral("%1: cannot read: %2").arg(path, file.errorString()));
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return notRegular(path);
    *bytes = file.read(largestSource + 1);
    if (bytes->size() > largestSource)
        return tooLarge(path);
    return BankStatus::success();
}

BankStatus readOne(const QString& path, PoolTextParser::Layout layout,
                   QVector<PoolQuestion>* questions, BankInfo* info = nullptr) {
    QByteArray bytes;
    if (BankStatus s = readFile(path, &bytes); !s)
        return s;
    if (info && info->pool.isEmpty() && layout == PoolTextParser::Layout::WholePool) {
        const BankInfo named = BankInfo::fromPoolText(bytes);
        info->pool = named.pool;
        info->validFrom = named.validFrom;
        info->validUntil = named.validUntil;
    }
    const PoolTextResult result = PoolTextParser::parse(bytes, path, layout);
    if (BankStatus s = result.status(); !s)
        return s;
    *questions += result.questions;
    if (info)
        info->withdrawn += result.deleted;
    return BankStatus::success();
}

// A folder as Debian's hamexam installs it: one file per question, named by its number.
BankStatus readFolder(const QString& path, QVector<PoolQuestion>* questions) {
    const QDir dir(path);
    QStringList names;
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files, QDir::Name)) {
        if (PoolTextParser::isQuestionNumber(entry.completeBaseName()))
            names << entry.filePath();
    }
    if (names.isEmpty())
        return BankStatus::failure(QStringLiteral("%1: the folder holds no one-question files "
                                                  "(files named by question number, such as "
                                                  "G1A01)")
                                       .arg(path));
    for (const QString& name : names) {
        QVector<PoolQuestion> found;
        if (BankStatus s = readOne(name, PoolTextParser::Layout::OneQuestion, &found); !s)
            return s;
        const QString expected = QFileInfo(name).completeBaseName();
        for (const PoolQuestion& question : found) {
            if (found.size() == 1 && question.number != expected)
                return BankStatus::failure(
                    PoolTextError{name, question.line, question.number,
                                  QStringLiteral("the file is named %1 but holds question %2")
                                      .arg(expected, question.number)}
                        .toString());
        }
        *questions += found;
    }
    return BankStatus::success();
}

} // namespace

BankStatus readPoolSources(const QStringList& sources, QVector<PoolQuestion>* questions,
                           BankInfo* info) {
    QVector<PoolQuestion> all;
    BankInfo found;
    QStringList names;
    for (const QString& source : sources) {
        const QFileInfo file(source);
        names << file.fileName();
        const BankStatus read =
            file.isDir() ? readFolder(source, &all)
            : file.exists()
                ? readOne(source, PoolTextParser::Layout::WholePool, &all, &found)
                : BankStatus::failure(QStringLiteral("%1: no such file or folder").arg(source));
        if (!read)
            return read;
    }
    QHash<QString, const PoolQuestion*> seen;
    for (const PoolQuestion& question : all) {
        const auto it = seen.constFind(question.number);
        if (it != seen.cend())
            return BankStatus::failure(
                PoolTextError{question.file, question.line, question.number,
                              QStringLiteral("the number appears twice (first at %1:%2)")
                                  .arg((*it)->file)
                                  .arg((*it)->line)}
                    .toString());
        seen.insert(question.number, &question);
    }
    *questions = all;
    if (info) {
        // A number withdrawn by one source and given by another is a question.
        found.withdrawn.removeIf([&](const QString& number) { return seen.contains(number); });
        found.withdrawn.removeDuplicates();
        found.sources = names.join(QStringLiteral(", "));
        found.builtWith = QStringLiteral("varnel-bank " VARNEL_VERSION);
        *info = found;
    }
    return BankStatus::success();
}
