// Connections to bank files: the one way to name one, and a connection that cleans up after itself.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_BANK_CONNECTION_H
#define VARNEL_BANK_BANK_CONNECTION_H

#include <QSqlDatabase>
#include <QString>

// How long an operation on a bank waits for another program's lock before it is
// refused as busy (SqlFailure::isBusy), in milliseconds.
inline constexpr int busyTimeoutMs = 3000;

// A connection name no other connection in this process has: "varnel-<purpose>-<serial>".
// Every connection to a bank file is named here, so two never meet under one name.
QString uniqueConnectionName(const QString& purpose);

// A private SQLite connection to one file, unopened, and removed again with this
// object, so it never outlives the work it was made for. Queries on it must be gone
// before it is.
class BankConnection {
public:
    BankConnection(const QString& purpose, const QString& databaseName,
                   const QString& connectOptions = QString());
    ~BankConnection();
    BankConnection(const BankConnection&) = delete;
    BankConnection& operator=(const BankConnection&) = delete;

    QSqlDatabase& db() { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};

#endif
