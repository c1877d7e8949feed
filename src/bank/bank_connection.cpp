// Connections to bank files: unique names, a defensive open through SQLite's own handle, and a
// connection that is removed when it goes away.
// SPDX-License-Identifier: MIT
#include "bank/bank_connection.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QVariant>
#include <atomic>
#include <sqlite3.h>

namespace {

// The settings a connection to a bank from elsewhere must have, and their values.
struct Setting {
    int option;
    int value;
};
constexpr Setting defensiveSettings[] = {
    {SQLITE_DBCONFIG_DEFENSIVE, 1},      // no writable schema, no journal switched off
    {SQLITE_DBCONFIG_ENABLE_TRIGGER, 0}, // the file's triggers do not run on our writes
    {SQLITE_DBCONFIG_ENABLE_VIEW, 0},    // nor do its views on our reads
    {SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0}, // as PRAGMA trusted_schema = OFF
};

// The SQLite handle under a Qt connection, or null when the driver is not SQLite's.
sqlite3* nativeHandle(const QSqlDatabase& db) {
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

// Applies every defensive setting and reads each back; false if any did not take.
bool makeDefensive(sqlite3* handle) {
    if (!handle)
        return false;
    for (const Setting& setting : defensiveSettings) {
        int now = -1;
        if (sqlite3_db_config(handle, setting.option, setting.value, &now) != SQLITE_OK ||
            now != setting.value)
            return false;
    }
    // Extended codes tell a folder that cannot hold the journal from a read-only file.
    sqlite3_extended_result_codes(handle, 1);
    return true;
}

} // namespace

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

BankStatus BankConnection::open() {
    if (!m_db.isValid())
        return BankStatus::failure(QStringLiteral("the SQLite driver of Qt is not installed"));
    if (!m_db.open())
        return BankStatus::failure(m_db.lastError().text());
    // Nothing has been read yet: SQLite reads the file's schema at the first statement.
    if (!makeDefensive(nativeHandle(m_db))) {
        m_db.close();
        return BankStatus::failure(
            QStringLiteral("the SQLite library cannot be set to leave the file's triggers and "
                           "views unrun, so the file is not opened"));
    }
    return BankStatus::success();
}
