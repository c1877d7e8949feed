#include "bank_fixture.h"

#include "bank/bank_schema.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QtDebug>

namespace {

// Runs fn with a private connection to the file, closing it afterwards.
template <typename Fn> auto withConnection(const QString& path, Fn fn) {
    const QString name = QStringLiteral("testbank-") + QUuid::createUuid().toString();
    decltype(fn(std::declval<QSqlDatabase&>())) result{};
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open())
            result = fn(db);
        else
            qWarning() << "test bank:" << db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

bool run(QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    if (!q.exec(sql)) {
        qWarning() << "test bank:" << sql << q.lastError().text();
        return false;
    }
    return true;
}

} // namespace

TestBank::TestBank() = default;

QString TestBank::filePath() const {
    return QDir(m_dir.path()).filePath(BankSchema::fileName);
}

bool TestBank::write(const QVector<TestQuestion>& questions, const QVector<TestHint>& hints) {
    QFile::remove(filePath());
    return withConnection(filePath(), [&](QSqlDatabase& db) {
        db.transaction();
        for (const QString& sql : BankSchema::createStatements())
            if (!run(db, sql))
                return false;
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO pool (GNumber, Question, answer, A, B, C, D) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?)"));
        for (const TestQuestion& t : questions) {
            for (const QString& v : {t.number, t.stem, t.answer, t.a, t.b, t.c, t.d})
                q.addBindValue(v);
            if (!q.exec())
                return false;
        }
        QSqlQuery h(db);
        h.prepare(QStringLiteral("INSERT INTO Hints (GN, hints) VALUES (?, ?)"));
        for (const TestHint& t : hints) {
            h.addBindValue(t.number);
            h.addBindValue(t.text);
            if (!h.exec())
                return false;
        }
        return db.commit();
    });
}

bool TestBank::exec(const QStringList& statements) {
    return withConnection(filePath(), [&](QSqlDatabase& db) {
        for (const QString& sql : statements)
            if (!run(db, sql))
                return false;
        return true;
    });
}

QStringList TestBank::column(const QString& table, const QString& field) const {
    return withConnection(filePath(), [&](QSqlDatabase& db) {
        QStringList values;
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("SELECT \"%1\" FROM \"%2\" ORDER BY rowid").arg(field, table)))
            while (q.next())
                values << q.value(0).toString();
        return values;
    });
}

QStringList TestBank::numbers() const {
    return column(QStringLiteral("pool"), QStringLiteral("GNumber"));
}

bool TestBank::refuseNewQuestions() {
    return exec({QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON pool "
                                "BEGIN SELECT RAISE(ABORT, 'refused'); END")});
}

QVector<TestQuestion> TestBank::sampleQuestions() {
    auto q = [](const QString& n, const QString& answer) {
        return TestQuestion{n,
                            QStringLiteral("Stem of %1?").arg(n),
                            answer,
                            QStringLiteral("%1 choice A").arg(n),
                            QStringLiteral("%1 choice B").arg(n),
                            QStringLiteral("%1 choice C").arg(n),
                            QStringLiteral("%1 choice D").arg(n)};
    };
    return {q(QStringLiteral("G0A01"), QStringLiteral("1")),
            q(QStringLiteral("G0A02"), QStringLiteral("2")),
            q(QStringLiteral("G1A01"), QStringLiteral("3")),
            q(QStringLiteral("G1A02"), QStringLiteral("4")),
            q(QStringLiteral("G5A01"), QStringLiteral("2")),
            q(QStringLiteral("G7A01"), QStringLiteral("1")),
            q(QStringLiteral("G9D10"), QStringLiteral("3")),
            q(QStringLiteral("G9D11"), QStringLiteral("3"))};
}

QVector<TestHint> TestBank::sampleHints() {
    return {{QStringLiteral("G0A02"), QStringLiteral("Hint for G0A02")},
            {QStringLiteral("G1A01"), QStringLiteral("See section 97.301(d).")},
            {QStringLiteral("G5A01"), QStringLiteral("Ohm's law")}};
}

QVector<TestQuestion> questions(const QVector<std::pair<QString, QString>>& numbersAndAnswers) {
    QVector<TestQuestion> result;
    for (const auto& [number, answer] : numbersAndAnswers)
        result << TestQuestion{number,
                               QStringLiteral("Stem of %1?").arg(number),
                               answer,
                               QStringLiteral("%1 A").arg(number),
                               QStringLiteral("%1 B").arg(number),
                               QStringLiteral("%1 C").arg(number),
                               QStringLiteral("%1 D").arg(number)};
    return result;
}

QVector<TestQuestion> plainQuestions(const QStringList& numbers) {
    QVector<std::pair<QString, QString>> rows;
    for (const QString& number : numbers)
        rows.append({number, QStringLiteral("1")});
    return questions(rows);
}
