// The layout of the question bank file: the field lists of its two tables, their create statements
// and lookup indexes.
// SPDX-License-Identifier: MIT
#include "bank/bank_schema.h"

namespace BankSchema {

QStringList poolFields() {
    return {QStringLiteral("GNumber"), QStringLiteral("Question"), QStringLiteral("answer"),
            QStringLiteral("A"),       QStringLiteral("B"),        QStringLiteral("C"),
            QStringLiteral("D")};
}

QStringList hintFields() {
    return {QStringLiteral("GN"), QStringLiteral("hints")};
}

QStringList fieldsOf(const QString& table) {
    if (table.compare(poolTable, Qt::CaseInsensitive) == 0)
        return poolFields();
    if (table.compare(hintsTable, Qt::CaseInsensitive) == 0)
        return hintFields();
    return {};
}

Index lookupIndex(const QString& table) {
    // Criteria compare without regard to letter case, so the indexes do too;
    // otherwise every look-up would scan the whole table. Both tables are looked
    // up by their first field, the question number.
    const QString field = table.compare(hintsTable, Qt::CaseInsensitive) == 0
                              ? hintFields().constFirst()
                              : poolFields().constFirst();
    const QString name = QStringLiteral("%1_%2_nocase").arg(table, field);
    return {name, QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3 COLLATE NOCASE)")
                      .arg(name, table, field)};
}

QStringList indexStatements() {
    return {lookupIndex(poolTable).statement, lookupIndex(hintsTable).statement};
}

QStringList createStatements() {
    QStringList statements;
    for (const QString& table : {poolTable, hintsTable})
        statements << QStringLiteral("CREATE TABLE %1 (%2 TEXT)")
                          .arg(table, fieldsOf(table).join(QStringLiteral(" TEXT, ")));
    return statements;
}

QString insertStatement(const QString& table) {
    const QStringList fields = fieldsOf(table);
    QStringList marks;
    for (qsizetype i = 0; i < fields.size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(table, fields.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
}

} // namespace BankSchema
