// Turning what SQLite says when it refuses an operation on the bank file into words that say what
// happened and what to do.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_SQL_FAILURE_H
#define VARNEL_BANK_SQL_FAILURE_H

#include "bank/bank_status.h"

#include <QString>

class QSqlError;

// Turns what SQLite says when it refuses an operation on the bank file into words
// that tell the learner what happened and what to do about it.
namespace SqlFailure {

// True when another connection holds the file (SQLITE_BUSY or SQLITE_LOCKED).
bool isBusy(const QSqlError& error);
// True when trying again later may succeed: a lock held by another connection or a
// full disk. A read-only or replaced file, a folder that refuses the journal, and every
// cause without words of our own fail again however often they are tried.
bool canPass(const QSqlError& error);
// The cause as the learner can act on it, or an empty text for causes without words
// of our own: another program using the file, a read-only or replaced file, a folder where SQLite
// cannot make its journal (named when folder is given), a full disk, a damaged file.
QString cause(const QSqlError& error, const QString& folder = QString());
// "what because <cause>" when the cause is known, else "what (<SQLite's text>)"; a
// passing failure when the cause can pass.
BankStatus status(const QString& what, const QSqlError& error, const QString& folder = QString());

} // namespace SqlFailure

#endif
