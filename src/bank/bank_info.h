// Where a bank came from: the pool it was built from, that pool's validity and the numbers it
// withdrew, kept in the bank builder's own table.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_BANK_INFO_H
#define VARNEL_BANK_BANK_INFO_H

#include "bank/bank_status.h"

#include <QByteArray>
#include <QDate>
#include <QSqlDatabase>
#include <QString>

// Where a bank came from: the pool it was built from and that pool's validity, kept in
// a small table of the bank builder's own, so that a bank made from a pool that has
// since expired can be pointed out to the learner; and the numbers that pool withdrew,
// so that a search for one can say so. The table is one of keys and values: a reader
// passes over keys it does not know, so banks of older and newer builders read alike.
struct BankInfo {
    QString pool;    // the pool's own title, such as "2023-2027 General Class Question Pool ..."
    QString sources; // the file or folder names it was read from
    QDate validFrom; // null when the pool text names no years
    QDate validUntil;
    QString builtWith;     // "varnel-bank 0.2"
    QStringList withdrawn; // numbers the pool marks as withdrawn (deleted), none in the bank

    static inline const QString table = QStringLiteral("bank_info");

    // The pool's title and validity from the first lines of published pool text: its
    // title starts with the pool's years ("2023-2027 General Class ..."), and every pool
    // runs from July 1 of the first year to June 30 of the last. Empty when none is named.
    static BankInfo fromPoolText(const QByteArray& bytes);

    // Writes the table into an open bank, inside the caller's transaction.
    BankStatus write(QSqlDatabase& db) const;

    enum class Age { Current, Expired, Unrecorded, Undated };
    // Reads the record of the bank file at path (opened read-only) and judges it
    // against today. found is false for a bank that has no record.
    static BankStatus read(const QString& path, BankInfo* info, bool* found);
    Age age(const QDate& today, bool found) const;
    // Whether the pool withdrew the question of that number (ignoring case, as the
    // bank's search does).
    bool withdrew(const QString& number) const;
};

#endif
