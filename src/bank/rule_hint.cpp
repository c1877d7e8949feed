// The hint a question gets from the rule reference on its number line.
// SPDX-License-Identifier: MIT
#include "bank/rule_hint.h"

#include <QRegularExpression>
#include <QStringList>

namespace RuleHint {

QString forReference(const QString& reference) {
    const QString text = reference.simplified();
    if (text.isEmpty())
        return QString();
    // "97.305(a), (c)" continues a section with a further paragraph; "PRB-1" or
    // "ITU Radio Regulations" are not sections and are cited as they stand.
    static const QRegularExpression section(QStringLiteral("^\\d+\\.\\d+"));
    bool allSections = true;
    bool allPart97 = true;
    int sections = 0;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString p = part.trimmed();
        if (p.startsWith(QLatin1Char('(')))
            continue;
        if (!section.match(p).hasMatch()) {
            allSections = false;
            break;
        }
        ++sections;
        if (!p.startsWith(QStringLiteral("97.")))
            allPart97 = false;
    }
    if (!allSections || sections == 0)
        return QStringLiteral("See %1.").arg(text);
    return QStringLiteral("See %1 %2 of the %3.")
        .arg(sections == 1 ? QStringLiteral("section") : QStringLiteral("sections"), text,
             allPart97 ? QStringLiteral("amateur service rules") : QStringLiteral("FCC rules"));
}

} // namespace RuleHint
