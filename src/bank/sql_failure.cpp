// SQLite's refusals in words: the primary result code, a busy file, and the cause and status a
// learner reads.
// SPDX-License-Identifier: MIT
#include "bank/sql_failure.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// SQLite's primary result codes; an extended code carries one in its low byte.
constexpr int sqliteBusy = 5;
constexpr int sqliteLocked = 6;
constexpr int sqliteReadOnly = 8;
constexpr int sqliteIoError = 10;
constexpr int sqliteCorrupt = 11;
constexpr int sqliteFull = 13;
constexpr int sqliteCannotOpen = 14;
constexpr int sqliteNotADatabase = 26;
// The extended code of a read-only file whose folder refuses the journal beside it.
constexpr int sqliteReadOnlyDirectory = sqliteReadOnly | (6 << 8);
// The extended code of a file that was moved, replaced or deleted while open: SQLite
// then refuses to write the file it still holds, which is no longer the bank.
constexpr int sqliteReadOnlyMoved = sqliteReadOnly | (4 << 8);

int fullCode(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code : -1;
}

int primaryCode(const QSqlError& error) {
    const int code = fullCode(error);
    return code < 0 ? code : code & 0xff;
}

} // namespace

namespace SqlFailure {

bool isBusy(const QSqlError& error) {
    const int code = primaryCode(error);
    return code == sqliteBusy || code == sqliteLocked;
}

bool isMoved(const QSqlError& error) {
    return fullCode(error) == sqliteReadOnlyMoved;
}

bool isDamage(const QSqlError& error) {
    const int code = primaryCode(error);
    return code == sqliteCorrupt || code == sqliteNotADatabase;
}

bool canPass(const QSqlError& error) {
    const int code = primaryCode(error);
    return isBusy(error) || code == sqliteFull || code == sqliteIoError || code == sqliteCannotOpen;
}

QString cause(const QSqlError& error, const QString& folder) {
    if (isMoved(error))
        return QStringLiteral("the file was moved or replaced since the program opened it");
    if (isBusy(error))
        return QStringLiteral("another program is using the file; try again when that "
                              "program is closed");
    switch (primaryCode(error)) {
    case sqliteReadOnly:
        // SQLite keeps a journal file beside the bank while it saves, so a writable file
        // in a folder that cannot be written still cannot be changed.
        if (fullCode(error) == sqliteReadOnlyDirectory)
            return (folder.isEmpty() ? QStringLiteral("the folder of the file")
                                     : QStringLiteral("the folder ") + folder) +
                   QStringLiteral(" cannot be written, and saving needs a journal file there "
                                  "beside the bank");
        return QStringLiteral("the file is read-only");
    case sqliteFull:
        return QStringLiteral("the disk is full");
    case sqliteIoError:
    case sqliteCannotOpen:
        // Most often a failing or removed disk, or a network folder that went away.
        return QStringLiteral("the system could not write or read the file or its journal");
    case sqliteCorrupt:
    case sqliteNotADatabase:
        return QStringLiteral("the file is damaged");
    default:
        return QString();
    }
}

BankStatus status(const QString& what, const QSqlError& error, const QString& folder) {
    const BankStatus::Kind kind =
        canPass(error) ? BankStatus::Kind::Passing : BankStatus::Kind::Lasting;
    if (const QString known = cause(error, folder); !known.isEmpty())
        return BankStatus::failure(what + QStringLiteral(" because ") + known, kind);
    const QString detail =
        error.databaseText().isEmpty() ? error.text().trimmed() : error.databaseText();
    return BankStatus::failure(
        detail.isEmpty() ? what : what + QStringLiteral(" (") + detail + QLatin1Char(')'), kind);
}

BankStatus checkedStatus(const QString& what, const QSqlError& error, const QSqlDatabase& db,
                         const QString& folder) {
    if (!isDamage(error) || !db.isOpen())
        return status(what, error, folder);
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check(1)")) || !check.next() ||
        check.value(0).toString() != QLatin1String("ok"))
        return status(what, error, folder);
    return BankStatus::failure(
        what + QStringLiteral(" because the file could not be read, though SQLite's check finds "
                              "it whole; try again"),
        BankStatus::Kind::Passing);
}

} // namespace SqlFailure
