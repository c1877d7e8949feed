// The one bank-file writer: lays out a bank's tables and fills them with rows as they are given.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_BANK_FILE_H
#define VARNEL_BANK_BANK_FILE_H

#include "bank/bank_info.h"
#include "bank/bank_status.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

// Creates a question bank file from rows as they are given: the one place that lays
// out a bank's tables, so the bank builder, the test banks and the benchmark banks
// all have the same file. Nothing is sorted, checked or derived here; that is the
// caller's business (the bank builder sorts and derives hints, a test may want rows
// no builder would write).
namespace BankFile {

// Gives the next row of a table, its fields in the schema's order, and returns true;
// returns false when there are no more. Rows are asked for one at a time, so a
// bank of any size is written without holding its rows.
using RowSource = std::function<bool(QStringList& row)>;

struct Rows {
    RowSource pool;                 // table pool, written in this order
    RowSource hints;                // table Hints, likewise; none when empty
    const BankInfo* info = nullptr; // the bank builder's record of the pool, when given
};

// Journal::Off writes without a rollback journal on disk or syncing: for a scratch
// file that is thrown away when writing fails, never for one a learner keeps.
enum class Journal { On, Off };

// Creates both tables, their rows and their look-up indexes (and the info table when
// given) in the file at path, which must not exist yet or be empty, inside one
// transaction. On failure the status says why; the file is then the caller's to remove.
BankStatus create(const QString& path, const Rows& rows, Journal journal = Journal::On);

// Rows from a list, each item made a row by toRow; the list must outlive the source.
template <typename T, typename ToRow> RowSource rowsFrom(const QVector<T>& items, ToRow toRow) {
    return [&items, toRow, next = qsizetype(0)](QStringList& row) mutable {
        if (next >= items.size())
            return false;
        row = toRow(items.at(next++));
        return true;
    };
}

// Rows from a list of rows.
inline RowSource rowsFrom(const QVector<QStringList>& rows) {
    return rowsFrom(rows, [](const QStringList& row) { return row; });
}

} // namespace BankFile

#endif
