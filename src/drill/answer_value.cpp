// Reading a question's answer field as a number and matching it against a choice.
// SPDX-License-Identifier: MIT
#include "drill/answer_value.h"

#include <cmath>

namespace AnswerValue {

std::optional<double> read(const QString& field) {
    const QString text = field.trimmed();
    qsizetype pos = 0;
    if (pos < text.size() && (text.at(pos) == QLatin1Char('+') || text.at(pos) == QLatin1Char('-')))
        ++pos;
    int digits = 0;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        const QChar c = text.at(pos);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            ++digits;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    // The shape is checked above; QString::toDouble reads it in the C locale.
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool matches(const QString& field, int choiceValue) {
    const std::optional<double> value = read(field);
    return value && *value == static_cast<double>(choiceValue);
}

} // namespace AnswerValue
