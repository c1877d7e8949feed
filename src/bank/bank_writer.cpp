// The bank writer: fills a temporary file beside the target with the questions and hints read from
// pool text, then renames it over the target.
// SPDX-License-Identifier: MIT
#include "bank/bank_writer.h"

#include "bank/bank_file.h"
#include "bank/rule_hint.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sys/file.h>

namespace {

// The hints the questions' rule references give, one row per question that has one.
QVector<QStringList> derivedHints(const QVector<PoolQuestion>& questions) {
    QVector<QStringList> hints;
    for (const PoolQuestion& question : questions)
        if (const QString hint = RuleHint::forReference(question.reference); !hint.isEmpty())
            hints.append({question.number, hint});
    return hints;
}

// SQLite's rollback journal beside a temporary file.
QString journalOf(const QString& part) {
    return part + QStringLiteral("-journal");
}

// Removes the temporary files, and their journals, that runs killed while writing into
// folder left behind. A run still writing holds a lock on its own temporary file, so
// only abandoned ones go; a journal goes once its temporary file is gone.
void removeAbandonedParts(const QDir& folder) {
    static const QRegularExpression partName(
        QStringLiteral("^\\..+\\.[A-Za-z0-9]{6}\\.part(-journal)?$"));
    const QFileInfoList parts =
        folder.entryInfoList({QStringLiteral(".*.part"), QStringLiteral(".*.part-journal")},
                             QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
    // By name, so each temporary file comes before its journal.
    for (const QFileInfo& part : parts) {
        const QRegularExpressionMatch match = partName.match(part.fileName());
        if (!match.hasMatch())
            continue;
        if (match.hasCaptured(1)) {
            const QString owner = part.filePath().chopped(int(match.capturedLength(1)));
            if (!QFileInfo::exists(owner))
                QFile::remove(part.filePath());
            continue;
        }
        QFile file(part.filePath());
        if (file.open(QIODevice::ReadOnly) && ::flock(file.handle(), LOCK_EX | LOCK_NB) == 0)
            QFile::remove(part.filePath());
    }
}

QStringList poolRow(const PoolQuestion& question) {
    QStringList row{question.number, question.stem, question.answer};
    for (const QString& choice : question.choices)
        row << choice;
    return row;
}

} // namespace

BankStatus BankWriter::write(const QString& path, QVector<PoolQuestion> questions, bool replace,
                             Counts* counts, const BankInfo* info) {
    const QFileInfo target(path);
    if (target.exists() && target.isDir())
        return BankStatus::failure(
            QStringLiteral("%1 is a folder; give the path of the bank file").arg(path));
    // Replacing a device or a pipe would put a bank where the system expects something else.
    if (target.exists() && !target.isFile())
        return BankStatus::failure(
            QStringLiteral("%1 is not a regular file; give the path of the bank file").arg(path));
    if (target.exists() && !replace)
        return BankStatus::failure(
            QStringLiteral("%1 already exists; give --replace to replace it").arg(path));
    if (!target.absoluteDir().exists())
        return BankStatus::failure(
            QStringLiteral("the folder %1 does not exist").arg(target.absolutePath()));

    std::stable_sort(
        questions.begin(), questions.end(),
        [](const PoolQuestion& a, const PoolQuestion& b) { return a.number < b.number; });

    removeAbandonedParts(target.absoluteDir());
    // Beside the target, so the final rename stays on one file system and is atomic. It
    // stays open, locked, until it is in place: the lock tells a later run that this
    // file is still being written.
    QTemporaryFile temp(
        target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(target.fileName())));
    if (!temp.open())
        return BankStatus::failure(QStringLiteral("cannot create a temporary file beside %1: %2")
                                       .arg(path, temp.errorString()));
    (void)::flock(temp.handle(), LOCK_EX | LOCK_NB);
    const QString tempPath = temp.fileName();
    const QVector<QStringList> hints = derivedHints(questions);
    const BankFile::Rows rows{BankFile::rowsFrom(questions, poolRow), BankFile::rowsFrom(hints),
                              info};
    // A journal SQLite could not remove would outlive the temporary file it belongs to.
    const auto removeJournal = qScopeGuard([&] { QFile::remove(journalOf(tempPath)); });
    if (BankStatus filled = BankFile::create(tempPath, rows); !filled)
        return filled;

    const QFileDevice::Permissions permissions =
        target.exists()
            ? target.permissions()
            : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                  QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile::setPermissions(tempPath, permissions);

    const auto notInPlace = [&](const QString& why) {
        return BankStatus::failure(
            QStringLiteral("cannot put the new bank in place at %1: %2").arg(path, why));
    };
    if (replace) {
        if (std::rename(QFile::encodeName(tempPath).constData(),
                        QFile::encodeName(path).constData()) != 0)
            return notInPlace(qt_error_string(errno));
    } else if (!QFile::rename(tempPath, path)) {
        // QFile::rename never overwrites, so a file that appeared meanwhile survives.
        return notInPlace(QFileInfo::exists(path) ? QStringLiteral("the file exists now")
                                                  : QStringLiteral("rename failed"));
    }
    temp.setAutoRemove(false);
    if (counts)
        *counts = {int(questions.size()), int(hints.size())};
    return BankStatus::success();
}
