// Turning what SQLite says when it refuses an operation on the bank file into words that say what
// happened and what to do.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_SQL_FAILURE_H
#define VARNEL_BANK_SQL_FAILURE_H

#include "bank/bank_status.h"

#include <QString>

class QSqlDatabase;
class QSqlError;

// Turns what SQLite says when it refuses an operation on the bank file into words
// that tell the learner what happened and what to do about it.
namespace SqlFailure {

// True when another connection holds the file (SQLITE_BUSY or SQLITE_LOCKED).
bool isBusy(const QSqlError& error);
// True when SQLite no longer finds the open file at its path (moved, replaced, deleted,
// or hidden by a folder that may no longer be entered).
bool isMoved(const QSqlError& error);
// True when SQLite found the file's contents inconsistent (or no database at all).
bool isDamage(const QSqlError& error);
// True when trying again later may succeed: a lock held by another connection, a full
// disk, or the system failing to read, write or open the file or its journal. A
// read-only or replaced file, a folder that refuses the journal, a damaged file and
// every cause without words of our own fail again however often they are tried.
bool canPass(const QSqlError& error);
// The cause as the learner can act on it, or an empty text for causes without words
// of our own: another program using the file, a read-only or replaced file, a folder where SQLite
// cannot make its journal (named when folder is given), a full disk, a file the system
// could not write or read, a damaged file.
QString cause(const QSqlError& error, const QString& folder = QString());
// "what because <cause>" when the cause is known, else "what (<SQLite's text>)"; a
// passing failure when the cause can pass.
BankStatus status(const QString& what, const QSqlError& error, const QString& folder = QString());
// As status(), but a file SQLite calls damaged is called so only when SQLite's own check
// of db finds it damaged: a read the system failed can look like damage to SQLite, and
// is then told as a file that could not be read.
BankStatus checkedStatus(const QString& what, const QSqlError& error, const QSqlDatabase& db,
                         const QString& folder = QString());

} // namespace SqlFailure

#endif
