// Reading questions out of the bank file read-only, inside one read transaction, every failure
// worded as the study window words it.
// SPDX-License-Identifier: MIT
#include "bank/paper_reader.h"

#include "bank/bank_connection.h"
#include "bank/bank_schema.h"
#include "bank/sql_failure.h"
#include "bank/text_rules.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace {

// Prepares and runs one query with one bound value. A failed prepare (a table the
// bank lacks, a lock on its schema) is told as such, not as a mismatch of values.
bool run(QSqlQuery& query, const QString& sql, const QVariant& value) {
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return false;
    query.addBindValue(value);
    return query.exec();
}

// A query ends early without a word when SQLite meets a damaged page: the error is
// only found by asking after the last row.
BankStatus finished(const QString& what, const QSqlQuery& query, const QSqlDatabase& db) {
    if (query.lastError().isValid())
        return SqlFailure::checkedStatus(what, query.lastError(), db);
    return BankStatus::success();
}

} // namespace

PaperReader::PaperReader(const QString& filePath) : m_filePath(filePath) {}

PaperReader::~PaperReader() {
    if (m_connection && m_connection->db().isOpen())
        m_connection->db().rollback(); // a read transaction: nothing to keep
}

BankStatus PaperReader::open() {
    const QFileInfo info(m_filePath);
    if (!info.isFile() || !info.isReadable())
        return BankStatus::failure(QStringLiteral("the file cannot be read"));
    // mode=ro and the read-only open flag: the file is never created or written.
    m_connection = std::make_unique<BankConnection>(
        QStringLiteral("paper"),
        QUrl::fromLocalFile(info.absoluteFilePath()).toString() + QStringLiteral("?mode=ro"),
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1")
            .arg(busyTimeoutMs));
    // Opened as every bank is: the file's own triggers and views never run.
    if (BankStatus opened = m_connection->open(); !opened)
        return opened;
    QSqlDatabase& db = m_connection->db();
    if (!db.transaction())
        return SqlFailure::checkedStatus(QStringLiteral("the file cannot be read"), db.lastError(),
                                         db);
    // A bank without hints still serves for study, so it serves here too.
    QSqlQuery hints(db);
    if (!run(hints,
             QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? "
                            "COLLATE NOCASE"),
             BankSchema::hintsTable))
        return SqlFailure::checkedStatus(QStringLiteral("the file cannot be read"),
                                         hints.lastError(), db);
    m_hasHints = hints.next();
    return BankStatus::success();
}

BankStatus PaperReader::rows(QVector<PaperRow>& rows) {
    const QString what = QStringLiteral("the questions cannot be read");
    QSqlQuery query(m_connection->db());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT rowid, GNumber, answer FROM \"%1\" ORDER BY rowid")
                        .arg(BankSchema::poolTable)))
        return SqlFailure::checkedStatus(what, query.lastError(), m_connection->db());
    while (query.next())
        rows << PaperRow{query.value(0).toLongLong(), query.value(1).toString(),
                         query.value(2).toString()};
    return finished(what, query, m_connection->db());
}

BankStatus PaperReader::figureStems(QStringList& stems) {
    const QString what = QStringLiteral("the questions cannot be read");
    QSqlQuery query(m_connection->db());
    query.setForwardOnly(true);
    // LIKE ignores the case of ASCII letters. Every published pool has fewer questions
    // than the rows looked at, so a bank of millions is not read through for this.
    if (!query.exec(QStringLiteral("SELECT Question FROM (SELECT Question FROM \"%1\" ORDER BY "
                                   "rowid LIMIT %2) WHERE Question LIKE '%figure%' OR "
                                   "Question LIKE '%circuit in%'")
                        .arg(BankSchema::poolTable)
                        .arg(figureStemRows)))
        return SqlFailure::checkedStatus(what, query.lastError(), m_connection->db());
    while (query.next())
        stems << query.value(0).toString();
    return finished(what, query, m_connection->db());
}

BankStatus PaperReader::record(qint64 rowId, PaperRecord& record) {
    const QString what = QStringLiteral("a question cannot be read");
    QSqlQuery query(m_connection->db());
    if (!run(query,
             QStringLiteral("SELECT %1 FROM \"%2\" WHERE rowid = ?")
                 .arg(BankSchema::poolFields().join(QStringLiteral(", ")), BankSchema::poolTable),
             rowId))
        return SqlFailure::checkedStatus(what, query.lastError(), m_connection->db());
    if (!query.next()) {
        const BankStatus status = finished(what, query, m_connection->db());
        return status ? BankStatus::failure(what) : status;
    }
    record.number = trimSpaces(query.value(0).toString());
    record.stem = query.value(1).toString();
    record.answer = query.value(2).toString();
    for (int i = 0; i < 4; ++i)
        record.choices[static_cast<size_t>(i)] = query.value(3 + i).toString();
    return BankStatus::success();
}

BankStatus PaperReader::hint(const QString& number, QString& hint) {
    const QString what = QStringLiteral("the hints cannot be read");
    hint = QString();
    if (!m_hasHints)
        return BankStatus::success();
    QSqlQuery query(m_connection->db());
    if (!run(query,
             QStringLiteral("SELECT hints FROM \"%1\" WHERE GN = ? COLLATE NOCASE "
                            "ORDER BY rowid LIMIT 1")
                 .arg(BankSchema::hintsTable),
             number))
        return SqlFailure::checkedStatus(what, query.lastError(), m_connection->db());
    if (!query.next())
        return finished(what, query, m_connection->db());
    const QString text = query.value(0).toString();
    if (!text.trimmed().isEmpty())
        hint = text;
    return BankStatus::success();
}
