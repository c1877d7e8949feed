// Connections to bank files: unique names, and a connection that is removed when it goes away.
// SPDX-License-Identifier: MIT
#include "bank/bank_connection.h"

#include <atomic>

QString uniqueConnectionName(const QString& purpose) {
    static std::atomic<int> counter{0};
    return QStringLiteral("varnel-%1-%2").arg(purpose).arg(++counter);
}

BankConnection::BankConnection(const QString& purpose, const QString& databaseName,
                               const QString& connectOptions)
    : m_name(uniqueConnectionName(purpose)),
      m_db(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name)) {
    m_db.setDatabaseName(databaseName);
    if (!connectOptions.isEmpty())
        m_db.setConnectOptions(connectOptions);
}

BankConnection::~BankConnection() {
    m_db.close();
    // The last handle goes before the name is removed, or Qt warns it is still in use.
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}
