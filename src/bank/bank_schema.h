// The layout of the question bank file: its bare name, its two tables and their fields, and the
// indexes the record sources look up by.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_BANK_SCHEMA_H
#define VARNEL_BANK_BANK_SCHEMA_H

#include <QString>
#include <QStringList>

// The layout of the question bank file: its name, its two tables and their
// fields, and the indexes the record sources look questions and hints up by.
namespace BankSchema {

// The bank is looked for under this bare name in the working folder.
inline const QString fileName = QStringLiteral("newgen2.mdb");

inline const QString poolTable = QStringLiteral("pool");
inline const QString hintsTable = QStringLiteral("Hints");

// Fields of table pool, in the order a question is read: number, stem, answer, choices.
QStringList poolFields();
// Fields of table Hints: the question number and the hint text.
QStringList hintFields();

// The fields of either table, by its name; empty for any other table.
QStringList fieldsOf(const QString& table);

// Statements that create both tables (all fields text) in an empty file.
QStringList createStatements();
// The statement that inserts one row into a table: a placeholder per field, in the
// order of fieldsOf(table).
QString insertStatement(const QString& table);
// Statements that add the look-up indexes, which a bank gets when it is made; the
// program never adds them to a bank that lacks them, it searches it without them.
QStringList indexStatements();
// The look-up index of one table: its name and the statement that creates it.
struct Index {
    QString name;
    QString statement;
};
Index lookupIndex(const QString& table);

} // namespace BankSchema

#endif
