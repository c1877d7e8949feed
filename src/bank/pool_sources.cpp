// Reading pool sources: whole pool text files and folders of one-question files, named by their
// numbers.
// SPDX-License-Identifier: MIT
#include "bank/pool_sources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include "varnel_version.h"

namespace {

BankStatus readFile(const QString& path, QByteArray* bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return BankStatus::failure(
            QStringLiteral("%1: cannot read: %2").arg(path, file.errorString()));
    *bytes = file.readAll();
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
        found.sources = names.join(QStringLiteral(", "));
        found.builtWith = QStringLiteral("varnel-bank " VARNEL_VERSION);
        *info = found;
    }
    return BankStatus::success();
}
