// Drawing a practice exam from the question bank through a read-only connection of its own, gone
// when the draw returns.
// SPDX-License-Identifier: MIT
#include "exam/exam_bank.h"

#include "bank/bank_connection.h"
#include "bank/bank_schema.h"
#include "bank/text_rules.h"
#include "drill/random_draw.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace {

BankStatus failure(const QString& what, const QSqlError& error) {
    const QString detail = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return BankStatus::failure(detail.trimmed().isEmpty()
                                   ? what
                                   : what + QStringLiteral(" (") + detail + QLatin1Char(')'));
}

// Everything is read through this one connection, which is gone again when the
// draw returns.
class ReadOnlyBank {
public:
    // mode=ro and the read-only open flag: the file is never created or written.
    explicit ReadOnlyBank(const QString& filePath)
        : m_connection(
              QStringLiteral("exam"),
              QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath()).toString() +
                  QStringLiteral("?mode=ro"),
              QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1")
                  .arg(busyTimeoutMs)),
          m_db(m_connection.db()) {}
    ~ReadOnlyBank() {
        if (m_db.isOpen())
            m_db.rollback(); // a read transaction: nothing to keep
    }
    ReadOnlyBank(const ReadOnlyBank&) = delete;
    ReadOnlyBank& operator=(const ReadOnlyBank&) = delete;

    BankStatus open() {
        if (!m_db.isValid())
            return BankStatus::failure(QStringLiteral("the SQLite driver of Qt is not installed"));
        if (!m_db.open())
            return failure(QStringLiteral("the file cannot be opened"), m_db.lastError());
        if (!m_db.transaction())
            return failure(QStringLiteral("the file cannot be read"), m_db.lastError());
        return BankStatus::success();
    }

    BankStatus candidates(QVector<ExamCandidate>& rows) {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT rowid, GNumber, answer FROM \"%1\" ORDER BY rowid")
                            .arg(BankSchema::poolTable)))
            return failure(QStringLiteral("the questions cannot be read"), query.lastError());
        while (query.next())
            rows << ExamCandidate{query.value(0).toLongLong(), query.value(1).toString(),
                                  query.value(2).toString()};
        return BankStatus::success();
    }

    BankStatus question(qint64 rowId, ExamQuestion& question) {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        query.prepare(
            QStringLiteral("SELECT %1 FROM \"%2\" WHERE rowid = ?")
                .arg(BankSchema::poolFields().join(QStringLiteral(", ")), BankSchema::poolTable));
        query.addBindValue(rowId);
        if (!query.exec())
            return failure(QStringLiteral("a question cannot be read"), query.lastError());
        if (!query.next())
            return BankStatus::failure(QStringLiteral("a question cannot be read"));
        question.number = trimSpaces(query.value(0).toString());
        question.stem = query.value(1).toString();
        question.rightValue = ExamDraw::answerValue(query.value(2).toString()).value_or(0);
        for (int i = 0; i < 4; ++i)
            question.choices[static_cast<size_t>(i)] = query.value(3 + i).toString();
        return BankStatus::success();
    }

    // The hint of a question as the study window finds it (first matching row, letter
    // case ignored); null when there is none or the hints cannot be read.
    QString hint(const QString& number) {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT hints FROM \"%1\" WHERE GN = ? COLLATE NOCASE "
                                     "ORDER BY rowid LIMIT 1")
                          .arg(BankSchema::hintsTable));
        query.addBindValue(number);
        if (!query.exec() || !query.next())
            return QString();
        const QString text = query.value(0).toString();
        return text.trimmed().isEmpty() ? QString() : text;
    }

private:
    BankConnection m_connection;
    QSqlDatabase& m_db;
};

} // namespace

ExamDrawOutcome ExamBank::draw(const QString& filePath, QChar poolLetter, RandomDraw& random) {
    ExamDrawOutcome outcome;
    const QFileInfo info(filePath);
    if (!info.isFile() || !info.isReadable()) {
        outcome.status = BankStatus::failure(QStringLiteral("the file cannot be read"));
        return outcome;
    }
    ReadOnlyBank bank(filePath);
    QVector<ExamCandidate> rows;
    if (outcome.status = bank.open(); !outcome.status)
        return outcome;
    if (outcome.status = bank.candidates(rows); !outcome.status)
        return outcome;
    outcome.plan = ExamDraw::plan(rows, poolLetter, random);
    for (qint64 rowId : outcome.plan.rowIds) {
        ExamQuestion question;
        if (outcome.status = bank.question(rowId, question); !outcome.status) {
            outcome.paper.clear();
            return outcome;
        }
        question.hint = bank.hint(question.number);
        question.rows = ExamDraw::shuffledRows(random);
        outcome.paper << question;
    }
    return outcome;
}

QString ExamDrawOutcome::refusal(QChar poolLetter) const {
    if (!status)
        return QStringLiteral("The practice exam could not read the question bank: %1.")
            .arg(status.reason());
    return ExamDraw::refusalMessage(plan, poolLetter);
}
