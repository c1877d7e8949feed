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

Index lookupIndex(const QString& table) {
    // Criteria compare without regard to letter case, so the indexes do too;
    // otherwise every look-up would scan the whole table.
    const QString field = table.compare(hintsTable, Qt::CaseInsensitive) == 0
                              ? QStringLiteral("GN")
                              : QStringLiteral("GNumber");
    const QString name = QStringLiteral("%1_%2_nocase").arg(table, field);
    return {name, QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3 COLLATE NOCASE)")
                      .arg(name, table, field)};
}

QStringList indexStatements() {
    return {lookupIndex(poolTable).statement, lookupIndex(hintsTable).statement};
}

QStringList createStatements() {
    QStringList statements{
        QStringLiteral("CREATE TABLE pool (GNumber TEXT, Question TEXT, answer TEXT, "
                       "A TEXT, B TEXT, C TEXT, D TEXT)"),
        QStringLiteral("CREATE TABLE Hints (GN TEXT, hints TEXT)")};
    statements += indexStatements();
    return statements;
}

} // namespace BankSchema
