// SQLite's refusals in words: the primary result code, a busy file, and the cause and status a
// learner reads.
// SPDX-License-Identifier: MIT
#include "bank/sql_failure.h"

#include <QSqlError>

namespace {

// SQLite's primary result codes; an extended code carries one in its low byte.
constexpr int sqliteBusy = 5;
constexpr int sqliteLocked = 6;
constexpr int sqliteReadOnly = 8;
constexpr int sqliteCorrupt = 11;
constexpr int sqliteFull = 13;
constexpr int sqliteNotADatabase = 26;

int primaryCode(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : -1;
}

} // namespace

namespace SqlFailure {

bool isBusy(const QSqlError& error) {
    const int code = primaryCode(error);
    return code == sqliteBusy || code == sqliteLocked;
}

QString cause(const QSqlError& error) {
    if (isBusy(error))
        return QStringLiteral("another program is using the file; try again when that "
                              "program is closed");
    switch (primaryCode(error)) {
    case sqliteReadOnly:
        return QStringLiteral("the file is read-only");
    case sqliteFull:
        return QStringLiteral("the disk is full");
    case sqliteCorrupt:
    case sqliteNotADatabase:
        return QStringLiteral("the file is damaged");
    default:
        return QString();
    }
}

BankStatus status(const QString& what, const QSqlError& error) {
    if (const QString known = cause(error); !known.isEmpty())
        return BankStatus::failure(what + QStringLiteral(" because ") + known);
    const QString detail =
        error.databaseText().isEmpty() ? error.text().trimmed() : error.databaseText();
    return BankStatus::failure(
        detail.isEmpty() ? what : what + QStringLiteral(" (") + detail + QLatin1Char(')'));
}

} // namespace SqlFailure
