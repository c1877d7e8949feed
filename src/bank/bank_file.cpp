// Creates a question bank file from rows as given: tables, rows, indexes, the builder's record.
// SPDX-License-Identifier: MIT
#include "bank/bank_file.h"

#include "bank/bank_connection.h"
#include "bank/bank_schema.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

BankStatus cannotWrite(const QString& why) {
    return BankStatus::failure(QStringLiteral("cannot write the new bank: ") + why);
}

// Inserts every row source gives into table.
BankStatus insertRows(QSqlDatabase& db, const QString& table, const BankFile::RowSource& source) {
    if (!source)
        return BankStatus::success();
    const qsizetype fieldCount = BankSchema::fieldsOf(table).size();
    QSqlQuery q(db);
    if (!q.prepare(BankSchema::insertStatement(table)))
        return cannotWrite(q.lastError().text());
    QStringList row;
    while (source(row)) {
        if (row.size() != fieldCount)
            return cannotWrite(QStringLiteral("a row of table %1 has %2 fields, not %3")
                                   .arg(table)
                                   .arg(row.size())
                                   .arg(fieldCount));
        for (qsizetype i = 0; i < fieldCount; ++i)
            q.bindValue(int(i), row.at(i));
        if (!q.exec())
            return cannotWrite(q.lastError().text());
    }
    return BankStatus::success();
}

BankStatus fill(QSqlDatabase& db, const BankFile::Rows& rows, BankFile::Journal journal) {
    QSqlQuery q(db);
    // The journal is kept in memory: a defensive connection does not switch it off.
    if (journal == BankFile::Journal::Off &&
        !(q.exec(QStringLiteral("PRAGMA journal_mode = MEMORY")) &&
          q.exec(QStringLiteral("PRAGMA synchronous = OFF"))))
        return cannotWrite(q.lastError().text());
    if (!db.transaction())
        return cannotWrite(db.lastError().text());
    for (const QString& sql : BankSchema::createStatements())
        if (!q.exec(sql))
            return cannotWrite(q.lastError().text());
    if (BankStatus s = insertRows(db, BankSchema::poolTable, rows.pool); !s)
        return s;
    if (BankStatus s = insertRows(db, BankSchema::hintsTable, rows.hints); !s)
        return s;
    // Indexes after the rows: building one at the end is far quicker than keeping it
    // up to date through a million inserts.
    for (const QString& sql : BankSchema::indexStatements())
        if (!q.exec(sql))
            return cannotWrite(q.lastError().text());
    if (rows.info) {
        if (BankStatus recorded = rows.info->write(db); !recorded)
            return cannotWrite(recorded.reason());
    }
    if (!db.commit())
        return cannotWrite(db.lastError().text());
    return BankStatus::success();
}

} // namespace

namespace BankFile {

BankStatus create(const QString& path, const Rows& rows, Journal journal) {
    BankConnection connection(QStringLiteral("bank-file"), path);
    if (BankStatus opened = connection.open(); !opened)
        return BankStatus::failure(QStringLiteral("cannot open the new bank: ") + opened.reason());
    QSqlDatabase& db = connection.db();
    BankStatus status = fill(db, rows, journal);
    if (!status)
        db.rollback();
    return status;
}

} // namespace BankFile
