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

QStringList indexStatements() {
    // Criteria compare without regard to letter case, so the indexes do too;
    // otherwise every look-up would scan the whole table.
    return {QStringLiteral("CREATE INDEX IF NOT EXISTS pool_GNumber_nocase "
                           "ON pool (GNumber COLLATE NOCASE)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS Hints_GN_nocase "
                           "ON Hints (GN COLLATE NOCASE)")};
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
