// libFuzzer target: the search-criterion parser of the record sources.
// SPDX-License-Identifier: MIT
#include "bank/bank_schema.h"
#include "bank/criterion.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

// Whatever parses names a field of the table and holds no apostrophe, and writing it
// out again as  Field = 'value'  parses to the same criterion: nothing can reach the
// query but a known field and a plain value.
void parseAgainst(const QString& text, const QStringList& fields) {
    const std::optional<Criterion> criterion = parseCriterion(text, fields);
    if (!criterion)
        return;
    check(fields.contains(criterion->field));
    check(!criterion->value.contains(QLatin1Char('\'')));
    const std::optional<Criterion> again = parseCriterion(
        criterion->field + QStringLiteral(" = '") + criterion->value + QLatin1Char('\''), fields);
    check(again && again->field == criterion->field && again->value == criterion->value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    static const QStringList poolFields = BankSchema::poolFields();
    static const QStringList hintFields = BankSchema::hintFields();
    parseAgainst(text, poolFields);
    parseAgainst(text, hintFields);
    return 0;
}
