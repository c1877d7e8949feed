// Synthetic banks for the benchmarks: question numbers for any size, a bank file of that many
// questions and hints, with or without its look-up indexes, and a median timer.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BENCH_SYNTHETIC_BANK_H
#define VARNEL_BENCH_SYNTHETIC_BANK_H

#include "bank/bank_connection.h"
#include "bank/bank_file.h"
#include "bank/bank_schema.h"

#include <QDir>
#include <QSqlQuery>
#include <QString>
#include <QtDebug>
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

// Question numbers for a synthetic bank of any size: G0A01 upwards, then other
// letters and longer serials, all distinct and in ascending order.
inline QString syntheticNumber(qint64 i) {
    return QStringLiteral("G%1A%2").arg(i / 100000).arg(i % 100000, 5, 10, QLatin1Char('0'));
}

// Writes newgen2.mdb with `rows` questions and as many hints into folder, as the
// bank builder lays a bank out, without a journal and one row at a time, so a
// million rows are quick and never all in memory. Returns false on failure.
inline bool writeSyntheticBank(const QString& folder, qint64 rows,
                               const std::function<QString(qint64)>& numberOf = syntheticNumber) {
    const QString path = QDir(folder).filePath(BankSchema::fileName);
    QFile::remove(path);
    qint64 question = 0, hint = 0;
    const BankFile::Rows content{
        [&](QStringList& row) {
            if (question == rows)
                return false;
            const QString number = numberOf(question);
            row =
                QStringList{number, QStringLiteral("What is the stem of question %1?").arg(number),
                            QString::number(1 + question % 4)};
            for (int c = 0; c < 4; ++c)
                row << QStringLiteral("Choice %1 of %2").arg(c).arg(number);
            ++question;
            return true;
        },
        [&](QStringList& row) {
            if (hint == rows)
                return false;
            const QString number = numberOf(hint++);
            row = QStringList{number, QStringLiteral("A hint for %1").arg(number)};
            return true;
        }};
    const BankStatus written = BankFile::create(path, content, BankFile::Journal::Off);
    if (!written)
        qWarning("synthetic bank: %s", qPrintable(written.reason()));
    return written.ok();
}

// Removes the look-up indexes from the bank in folder, as a bank made by another tool
// may lack them. Returns false on failure.
inline bool dropLookUpIndexes(const QString& folder) {
    BankConnection connection(QStringLiteral("bench"), QDir(folder).filePath(BankSchema::fileName));
    if (!connection.open())
        return false;
    QSqlQuery query(connection.db());
    for (const QString& table : {BankSchema::poolTable, BankSchema::hintsTable})
        if (!query.exec(QStringLiteral("DROP INDEX ") + BankSchema::lookupIndex(table).name))
            return false;
    return true;
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
