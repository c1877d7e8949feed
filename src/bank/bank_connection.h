// Connections to bank files: the one way to name one, and a connection that opens the file
// defensively and cleans up after itself.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_BANK_CONNECTION_H
#define VARNEL_BANK_BANK_CONNECTION_H

#include "bank/bank_status.h"

#include <QSqlDatabase>
#include <QString>

// A connection name no other connection in this process has: "varnel-<purpose>-<serial>".
// Every connection to a bank file is named here, so two never meet under one name.
QString uniqueConnectionName(const QString& purpose);

// A private SQLite connection to one file, removed again with this object, so it never
// outlives the work it was made for. Queries on it must be gone before it is.
//
// A bank may come from anywhere, so open() opens it defensively, as SQLite advises for
// files from elsewhere: the triggers and views stored in the file do not run, functions
// the file names are not trusted, and SQL cannot corrupt the file on purpose. Whatever
// the file holds, only the statements this program runs touch it.
class BankConnection {
public:
    BankConnection(const QString& purpose, const QString& databaseName,
                   const QString& connectOptions = QString());
    ~BankConnection();
    BankConnection(const BankConnection&) = delete;
    BankConnection& operator=(const BankConnection&) = delete;

    // Opens the connection and makes it defensive. On failure the connection is closed
    // and the reason is SQLite's own text (the file could not be opened), or says that
    // the connection could not be made defensive, in which case nothing was read.
    BankStatus open();
    // The connection, for queries once open() succeeded. Never open it directly: that
    // would run the file's triggers and views.
    QSqlDatabase& db() { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};

#endif
