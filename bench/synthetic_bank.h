#ifndef VARNEL_BENCH_SYNTHETIC_BANK_H
#define VARNEL_BENCH_SYNTHETIC_BANK_H

#include "bank/bank_schema.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

// Question numbers for a synthetic bank of any size: G0A01 upwards, then other
// letters and longer serials, all distinct and in ascending order.
inline QString syntheticNumber(qint64 i) {
    return QStringLiteral("G%1A%2").arg(i / 100000).arg(i % 100000, 5, 10, QLatin1Char('0'));
}

// Writes newgen2.mdb with `rows` questions and as many hints into folder, in one
// transaction, indexes last (as the bank builder does). Returns false on failure.
inline bool writeSyntheticBank(const QString& folder, qint64 rows,
                               const std::function<QString(qint64)>& numberOf = syntheticNumber) {
    const QString path = QDir(folder).filePath(BankSchema::fileName);
    QFile::remove(path);
    bool ok = true;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("synthetic"));
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        ok = ok && q.exec(QStringLiteral("PRAGMA journal_mode = OFF")) &&
             q.exec(QStringLiteral("PRAGMA synchronous = OFF"));
        const QStringList create = BankSchema::createStatements();
        ok = ok && q.exec(create.at(0)) && q.exec(create.at(1)) && db.transaction();
        QSqlQuery pool(db), hints(db);
        pool.prepare(QStringLiteral("INSERT INTO pool VALUES (?, ?, ?, ?, ?, ?, ?)"));
        hints.prepare(QStringLiteral("INSERT INTO Hints VALUES (?, ?)"));
        for (qint64 i = 0; ok && i < rows; ++i) {
            const QString number = numberOf(i);
            pool.bindValue(0, number);
            pool.bindValue(1, QStringLiteral("What is the stem of question %1?").arg(number));
            pool.bindValue(2, QString::number(1 + i % 4));
            for (int c = 0; c < 4; ++c)
                pool.bindValue(3 + c, QStringLiteral("Choice %1 of %2").arg(c).arg(number));
            hints.bindValue(0, number);
            hints.bindValue(1, QStringLiteral("A hint for %1").arg(number));
            ok = pool.exec() && hints.exec();
        }
        ok = ok && db.commit();
        for (int i = 2; ok && i < create.size(); ++i)
            ok = q.exec(create.at(i));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("synthetic"));
    return ok;
}

// The median of `runs` timings of fn, in microseconds.
template <typename Fn> double medianMicroseconds(int runs, Fn fn) {
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        fn(i);
        const auto end = std::chrono::steady_clock::now();
        samples.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::nth_element(samples.begin(), samples.begin() + runs / 2, samples.end());
    return samples[static_cast<std::size_t>(runs / 2)];
}

#endif
