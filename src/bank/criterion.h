// A search criterion of the form Field = 'value', taken apart so that it runs as a parameterised
// query.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_CRITERION_H
#define VARNEL_BANK_CRITERION_H

#include <QString>
#include <QStringList>
#include <optional>

// A search criterion of the form  Field = 'value' , taken apart so that it can be
// run as a parameterised query instead of being pasted into SQL.
struct Criterion {
    QString field; // spelled as in the table's field list
    QString value; // the text between the quotes, unchanged
};

// Parses a criterion against the fields of a table. Anything else, an unknown
// field or a value holding an apostrophe among them, gives no criterion: such a
// search matches nothing.
std::optional<Criterion> parseCriterion(const QString& text, const QStringList& fields);

#endif
