// Parsing a search criterion Field = 'value' against a table's fields.
// SPDX-License-Identifier: MIT
#include "bank/criterion.h"

#include <QRegularExpression>

std::optional<Criterion> parseCriterion(const QString& text, const QStringList& fields) {
    // The value runs from the first apostrophe to the last; one more apostrophe
    // inside it would make the original criterion malformed, so it is refused.
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*([A-Za-z_][A-Za-z0-9_]*)\s*=\s*'(.*)'\s*$)"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString value = match.captured(2);
    if (value.contains(QLatin1Char('\'')))
        return std::nullopt;
    // Field names are matched as the database matches them: regardless of letter case.
    for (const QString& field : fields)
        if (field.compare(match.captured(1), Qt::CaseInsensitive) == 0)
            return Criterion{field, value};
    return std::nullopt;
}
