// The answer value: the answer field of a question (1 = A ... 4 = D) read as a number.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_DRILL_ANSWER_VALUE_H
#define VARNEL_DRILL_ANSWER_VALUE_H

#include <QString>
#include <optional>

// Reading the answer field of a question (the number of the right choice, 1 = A
// ... 4 = D) as a number.
//
// What counts as a number: optional white space, an optional sign ('+' or '-'),
// decimal digits with at most one decimal point ('.'), at least one digit in all,
// then optional white space. So "2", " 2 ", "2.0", "+2", "2." and ".5" are numbers.
// Anything else is no number: empty or blank text, a decimal comma ("2,0"), an
// exponent ("2e0"), hex ("&H2", "0x2"), non-ASCII digits, text after the number
// ("2abc", "2 3") and a value too large for a double. The reading ignores the
// locale, so a field reads the same on every machine.
//
// Stricter than a prefix reading on purpose: a damaged field such as "2abc" must not
// quietly make choice B right; with no number every choice is judged wrong and none
// is highlighted, which shows the learner that the question itself is broken.
namespace AnswerValue {

// The number the answer field holds, or none when it holds no number (see above).
std::optional<double> read(const QString& field);
// True when the answer field holds exactly the given choice's value (1 to 4).
bool matches(const QString& field, int choiceValue);

} // namespace AnswerValue

#endif
