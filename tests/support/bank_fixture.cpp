// The bank fixture: writing test questions and hints into a bank file in a fresh folder and reading
// its columns back.
// SPDX-License-Identifier: MIT
#include "bank_fixture.h"

#include "bank/bank_connection.h"
#include "bank/bank_file.h"
#include "bank/bank_schema.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtDebug>

namespace {

// Runs fn with a private connection to the file, closing it afterwards.
template <typename Fn> auto withConnection(const QString& path, Fn fn) {
    decltype(fn(std::declval<QSqlDatabase&>())) result{};
    BankConnection connection(QStringLiteral("testbank"), path);
    if (connection.db().open())
        result = fn(connection.db());
    else
        qWarning() << "test bank:" << connection.db().lastError().text();
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
    const BankFile::Rows rows{
        BankFile::rowsFrom(questions,
                           [](const TestQuestion& t) {
                               return QStringList{t.number, t.stem, t.answer, t.a, t.b, t.c, t.d};
                           }),
        BankFile::rowsFrom(hints, [](const TestHint& t) {
            return QStringList{t.number, t.text};
        })};
    const BankStatus written = BankFile::create(filePath(), rows);
    if (!written)
        qWarning() << "test bank:" << written.reason();
    return written.ok();
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
    return column(BankSchema::poolTable, BankSchema::poolFields().constFirst());
}

bool TestBank::refuseNewQuestions() {
    // Not a trigger: the program does not run the triggers stored in a bank.
    const qsizetype rows = numbers().size();
    return exec({QStringLiteral("ALTER TABLE pool ADD COLUMN refuse "
                                "CONSTRAINT refused CHECK (rowid <= %1)")
                     .arg(rows)});
}

bool TestBank::acceptNewQuestions() {
    return exec({QStringLiteral("ALTER TABLE pool DROP COLUMN refuse")});
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

bool TestBank::damageLastPoolPage() {
    const QStringList roots = withConnection(filePath(), [](QSqlDatabase& db) {
        QSqlQuery q(db);
        QStringList found;
        if (q.exec(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'pool'")) &&
            q.next())
            found << q.value(0).toString();
        return found;
    });
    QFile file(filePath());
    if (roots.isEmpty() || !file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    const auto byteAt = [&](qint64 at) { return static_cast<quint8>(bytes.at(at)); };
    const qint64 pageSize = byteAt(16) << 8 | byteAt(17);
    const qint64 root = (roots.first().toLongLong() - 1) * pageSize;
    // An interior page of the table b-tree names its last leaf right after its flags.
    if (pageSize < 512 || root + 12 > bytes.size() || byteAt(root) != 0x05)
        return false;
    const qint64 leaf = ((byteAt(root + 8) << 24 | byteAt(root + 9) << 16 | byteAt(root + 10) << 8 |
                          byteAt(root + 11)) -
                         1) *
                        pageSize;
    if (leaf + 8 > bytes.size())
        return false;
    bytes.replace(leaf, 8, QByteArray(8, '\xff'));
    return file.seek(0) && file.write(bytes) == bytes.size();
}

bool TestBank::damagePageHolding(const QByteArray& marker) {
    QFile file(filePath());
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    const qint64 pageSize =
        static_cast<quint8>(bytes.at(16)) << 8 | static_cast<quint8>(bytes.at(17));
    for (qint64 page = pageSize; pageSize >= 512 && page + pageSize <= bytes.size();
         page += pageSize)
        if (bytes.mid(page + 4, marker.size()) == marker) {
            bytes.replace(page, pageSize, QByteArray(pageSize, '\xff'));
            return file.seek(0) && file.write(bytes) == bytes.size();
        }
    return false;
}
