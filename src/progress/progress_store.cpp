// The progress store: its file, schema, recording and the questions' standing replayed through
// the Leitner schedule.
// SPDX-License-Identifier: MIT
#include "progress/progress_store.h"

#include "bank/sql_failure.h"
#include "progress/leitner_schedule.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <algorithm>

namespace {

// "VTpr" in the file's header: this program's progress file and no other.
constexpr qint64 applicationId = 0x56547072;
constexpr int schemaVersion = 1;

qint64 toMs(const QDateTime& when) {
    return when.toMSecsSinceEpoch();
}
QDateTime fromMs(qint64 ms) {
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

// BEGIN IMMEDIATE, COMMIT and ROLLBACK as statements, so a refusal at any of them is
// judged by SQLite's own code.
bool run(QSqlDatabase& db, const QString& sql, QSqlError* error = nullptr) {
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    if (error)
        *error = query.lastError();
    return false;
}

} // namespace

ProgressStore::ProgressStore(const QString& folder) : m_folder(folder) {}
ProgressStore::~ProgressStore() = default;

QString ProgressStore::filePath() const {
    return QDir(m_folder).absoluteFilePath(QString::fromLatin1(fileName));
}

BankStatus ProgressStore::connect(bool create, bool& present) {
    present = false;
    if (!m_refusal)
        return m_refusal;
    if (m_connection) {
        present = true;
        return BankStatus::success();
    }
    const QFileInfo info(filePath());
    if (!info.exists() && !create)
        return BankStatus::success();
    auto refuse = [this](const QString& why) {
        m_refusal = BankStatus::failure(QStringLiteral("the progress file %1 is not used: %2")
                                            .arg(QDir::toNativeSeparators(filePath()), why));
        m_connection.reset();
        return m_refusal;
    };
    if (info.exists() && info.size() == 0)
        return refuse(QStringLiteral("it is empty, not a progress file"));
    const QString mode = info.exists() ? QStringLiteral("rw") : QStringLiteral("rwc");
    m_connection = std::make_unique<BankConnection>(
        QStringLiteral("progress"),
        QUrl::fromLocalFile(info.absoluteFilePath()).toString() + QStringLiteral("?mode=") + mode,
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (BankStatus s = m_connection->open(); !s) {
        m_connection.reset();
        return BankStatus::failure(QStringLiteral("the progress file %1 cannot be opened: %2")
                                       .arg(QDir::toNativeSeparators(filePath()), s.reason()),
                                   s.kind());
    }
    // The header alone tells whose file it is: nothing is read beyond it at every start.
    QSqlQuery query(m_connection->db());
    if (!query.exec(QStringLiteral("PRAGMA application_id")) || !query.next()) {
        const QSqlError error = query.lastError();
        query.finish();
        if (SqlFailure::isDamage(error))
            return refuse(QStringLiteral("it is damaged or not a database"));
        m_connection.reset();
        return SqlFailure::status(QStringLiteral("the progress file cannot be read"), error);
    }
    const qint64 id = query.value(0).toLongLong();
    query.finish();
    if (id == 0) {
        // A file of no one's: made just now (by this program or another one), or another
        // program's database that marks nothing. Only one without tables becomes ours.
        if (BankStatus s = makeSchema(); !s) {
            if (s.kind() != BankStatus::Kind::Passing)
                return refuse(s.reason());
            m_connection.reset();
            return s;
        }
    } else if (id != applicationId) {
        return refuse(QStringLiteral("it belongs to another program"));
    }
    present = true;
    return BankStatus::success();
}

BankStatus ProgressStore::makeSchema() {
    QSqlDatabase& db = m_connection->db();
    QSqlError error;
    if (!run(db, QStringLiteral("BEGIN IMMEDIATE"), &error))
        return SqlFailure::status(QStringLiteral("the progress file cannot be made"), error);
    QSqlQuery query(db);
    bool ok = query.exec(QStringLiteral("PRAGMA application_id")) && query.next();
    const qint64 id = ok ? query.value(0).toLongLong() : -1;
    query.finish();
    if (ok && id == 0) {
        // Another program's database without a mark is never taken over.
        ok = query.exec(QStringLiteral("SELECT count(*) FROM sqlite_schema")) && query.next();
        const int tables = ok ? query.value(0).toInt() : -1;
        query.finish();
        if (ok && tables > 0) {
            run(db, QStringLiteral("ROLLBACK"));
            return BankStatus::failure(QStringLiteral("it holds another program's tables"));
        }
        const QStringList statements{
            QStringLiteral("CREATE TABLE answers(id INTEGER PRIMARY KEY, number TEXT NOT NULL, "
                           "answered_at INTEGER NOT NULL, right INTEGER NOT NULL, "
                           "place TEXT NOT NULL, UNIQUE(number, answered_at, right, place))"),
            QStringLiteral("CREATE TABLE exams(id INTEGER PRIMARY KEY, taken_at INTEGER NOT NULL "
                           "UNIQUE, score INTEGER NOT NULL, total INTEGER NOT NULL, "
                           "passed INTEGER NOT NULL, topics TEXT NOT NULL)"),
            QStringLiteral("PRAGMA user_version = %1").arg(schemaVersion),
            QStringLiteral("PRAGMA application_id = %1").arg(applicationId)};
        for (const QString& sql : statements) {
            if (!(ok = query.exec(sql)))
                break;
        }
    }
    if (!ok) {
        error = query.lastError();
        query.finish();
        run(db, QStringLiteral("ROLLBACK"));
        return SqlFailure::status(QStringLiteral("the progress file cannot be made"), error);
    }
    query.finish();
    if (!run(db, QStringLiteral("COMMIT"), &error)) {
        run(db, QStringLiteral("ROLLBACK"));
        return SqlFailure::status(QStringLiteral("the progress file cannot be made"), error);
    }
    return BankStatus::success();
}

BankStatus ProgressStore::insertAnswers(const QVector<FileAnswer>& answers, int& added) {
    QSqlQuery insert(m_connection->db());
    insert.prepare(QStringLiteral("INSERT OR IGNORE INTO answers(number, answered_at, right, "
                                  "place) VALUES (?, ?, ?, ?)"));
    for (const FileAnswer& answer : answers) {
        insert.addBindValue(answer.number);
        insert.addBindValue(toMs(answer.answered));
        insert.addBindValue(answer.right ? 1 : 0);
        insert.addBindValue(answer.where);
        if (!insert.exec())
            return SqlFailure::status(QStringLiteral("the answer cannot be recorded"),
                                      insert.lastError());
        added += insert.numRowsAffected() > 0 ? 1 : 0;
    }
    return BankStatus::success();
}

BankStatus ProgressStore::record(const QString& number, const QDateTime& when, bool right,
                                 const QString& where) {
    return recordExam(FileExam(), {FileAnswer{number, when, right, where}});
}

BankStatus ProgressStore::recordExam(const FileExam& exam, const QVector<FileAnswer>& answers) {
    int answersAdded = 0;
    int examsAdded = 0;
    return merge(answers, exam.taken.isValid() ? QVector<FileExam>{exam} : QVector<FileExam>{},
                 answersAdded, examsAdded);
}

BankStatus ProgressStore::merge(const QVector<FileAnswer>& answers,
                                const QVector<FileExam>& exams, int& answersAdded,
                                int& examsAdded) {
    answersAdded = 0;
    examsAdded = 0;
    bool present = false;
    if (BankStatus s = connect(true, present); !s)
        return s;
    QSqlDatabase& db = m_connection->db();
    QSqlError error;
    if (!run(db, QStringLiteral("BEGIN IMMEDIATE"), &error))
        return SqlFailure::status(QStringLiteral("the progress cannot be recorded"), error);
    BankStatus s = insertAnswers(answers, answersAdded);
    if (s) {
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT OR IGNORE INTO exams(taken_at, score, total, passed, "
                                      "topics) VALUES (?, ?, ?, ?, ?)"));
        for (const FileExam& exam : exams) {
            insert.addBindValue(toMs(exam.taken));
            insert.addBindValue(exam.right);
            insert.addBindValue(exam.total);
            insert.addBindValue(exam.passed ? 1 : 0);
            insert.addBindValue(exam.byTopic);
            if (!insert.exec()) {
                s = SqlFailure::status(QStringLiteral("the exam cannot be recorded"),
                                       insert.lastError());
                break;
            }
            examsAdded += insert.numRowsAffected() > 0 ? 1 : 0;
        }
    }
    if (s && !run(db, QStringLiteral("COMMIT"), &error))
        s = SqlFailure::status(QStringLiteral("the progress cannot be recorded"), error);
    if (!s) {
        run(db, QStringLiteral("ROLLBACK"));
        answersAdded = examsAdded = 0;
    }
    return s;
}

BankStatus ProgressStore::answers(QVector<FileAnswer>& answers) {
    answers.clear();
    bool present = false;
    if (BankStatus s = connect(false, present); !s || !present)
        return s;
    QSqlQuery query(m_connection->db());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT number, answered_at, right, place FROM answers "
                                   "ORDER BY answered_at, id")))
        return SqlFailure::status(QStringLiteral("the progress file cannot be read"),
                                  query.lastError());
    while (query.next())
        answers.append(FileAnswer{query.value(0).toString(), fromMs(query.value(1).toLongLong()),
                                  query.value(2).toInt() != 0, query.value(3).toString()});
    if (query.lastError().isValid())
        return SqlFailure::status(QStringLiteral("the progress file cannot be read"),
                                  query.lastError());
    return BankStatus::success();
}

BankStatus ProgressStore::exams(QVector<FileExam>& exams) {
    exams.clear();
    bool present = false;
    if (BankStatus s = connect(false, present); !s || !present)
        return s;
    QSqlQuery query(m_connection->db());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT taken_at, score, total, passed, topics FROM exams "
                                   "ORDER BY taken_at, id")))
        return SqlFailure::status(QStringLiteral("the progress file cannot be read"),
                                  query.lastError());
    while (query.next())
        exams.append(FileExam{fromMs(query.value(0).toLongLong()), query.value(1).toInt(),
                              query.value(2).toInt(), query.value(3).toInt() != 0,
                              query.value(4).toString()});
    return BankStatus::success();
}

BankStatus ProgressStore::questions(QVector<FileQuestion>& questions) {
    questions.clear();
    bool present = false;
    if (BankStatus s = connect(false, present); !s || !present)
        return s;
    QSqlQuery query(m_connection->db());
    query.setForwardOnly(true);
    // Each question's answers in the order they were given, replayed through the schedule.
    if (!query.exec(QStringLiteral("SELECT number, answered_at, right FROM answers "
                                   "ORDER BY number, answered_at, id")))
        return SqlFailure::status(QStringLiteral("the progress file cannot be read"),
                                  query.lastError());
    LeitnerCard card;
    QString number;
    auto flush = [&] {
        if (!number.isEmpty())
            questions.append(FileQuestion{number, LeitnerSchedule::state(card), card.due,
                                          card.right, card.wrong, card.last, card.lastRight});
    };
    while (query.next()) {
        const QString next = query.value(0).toString();
        if (next != number) {
            flush();
            number = next;
            card = LeitnerCard();
        }
        LeitnerSchedule::answer(card, fromMs(query.value(1).toLongLong()),
                                query.value(2).toInt() != 0);
    }
    flush();
    return BankStatus::success();
}

BankStatus ProgressStore::reset(const QString& topicCode) {
    bool present = false;
    if (BankStatus s = connect(false, present); !s || !present)
        return s;
    QSqlDatabase& db = m_connection->db();
    QSqlError error;
    if (!run(db, QStringLiteral("BEGIN IMMEDIATE"), &error))
        return SqlFailure::status(QStringLiteral("the progress cannot be reset"), error);
    QSqlQuery query(db);
    bool ok;
    if (topicCode.isEmpty()) {
        ok = query.exec(QStringLiteral("DELETE FROM answers")) &&
             query.exec(QStringLiteral("DELETE FROM exams"));
    } else {
        // A prefix match with the code as a value, never as a pattern.
        query.prepare(QStringLiteral("DELETE FROM answers WHERE substr(number, 1, length(?)) "
                                     "= ? COLLATE NOCASE"));
        query.addBindValue(topicCode);
        query.addBindValue(topicCode);
        ok = query.exec();
    }
    if (!ok || !run(db, QStringLiteral("COMMIT"), &error)) {
        if (!ok)
            error = query.lastError();
        query.finish();
        run(db, QStringLiteral("ROLLBACK"));
        return SqlFailure::status(QStringLiteral("the progress cannot be reset"), error);
    }
    return BankStatus::success();
}

BankStatus ProgressStore::lastStudyQuestion(QString& number) {
    number.clear();
    bool present = false;
    if (BankStatus s = connect(false, present); !s || !present)
        return s;
    QSqlQuery query(m_connection->db());
    if (!query.exec(QStringLiteral("SELECT number FROM answers WHERE place = 'study' "
                                   "ORDER BY answered_at DESC, id DESC LIMIT 1")))
        return SqlFailure::status(QStringLiteral("the progress file cannot be read"),
                                  query.lastError());
    if (query.next())
        number = query.value(0).toString();
    return BankStatus::success();
}

BankStatus ProgressStore::missedSinceRight(QStringList& numbers) {
    numbers.clear();
    QVector<FileQuestion> all;
    if (BankStatus s = questions(all); !s)
        return s;
    std::stable_sort(all.begin(), all.end(), [](const FileQuestion& a, const FileQuestion& b) {
        return a.lastAnswered < b.lastAnswered;
    });
    for (const FileQuestion& question : all) {
        if (!question.lastRight)
            numbers << question.number;
    }
    return BankStatus::success();
}

BankStatus ProgressStore::due(const QDateTime& now, int limit, QStringList& numbers,
                              QDateTime& next) {
    numbers.clear();
    next = QDateTime();
    QVector<FileQuestion> all;
    if (BankStatus s = questions(all); !s)
        return s;
    std::stable_sort(all.begin(), all.end(),
                     [](const FileQuestion& a, const FileQuestion& b) { return a.due < b.due; });
    for (const FileQuestion& question : all) {
        if (!question.due.isValid())
            continue;
        if (question.due > now) {
            if (!next.isValid())
                next = question.due;
        } else if (numbers.size() < limit) {
            numbers << question.number;
        }
    }
    return BankStatus::success();
}
