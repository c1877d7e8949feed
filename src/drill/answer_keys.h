// The keys that answer a question and the rows they name.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_DRILL_ANSWER_KEYS_H
#define VARNEL_DRILL_ANSWER_KEYS_H

#include <QList>
#include <optional>

// The learner answers from the keyboard by row, not by field: the answer boxes are
// shuffled, so the key A (or 1) answers whichever choice stands in the top row.
namespace AnswerKeys {

inline constexpr int rowCount = 4;

// The row (0 = top) that a key without modifiers names: A to D or 1 to 4, also on the
// keypad; nothing for any other key or with Ctrl, Alt or Meta held.
std::optional<int> rowForKey(int key, int modifiers);
// The choices (indices into tops, in field order) from the top row down: a choice
// stands above another when its top is higher, and field order breaks ties.
QList<int> choicesByRow(const QList<int>& tops);
// The row's letter as the learner sees it beside the row: 'A' for row 0.
inline char rowLetter(int row) {
    return static_cast<char>('A' + row);
}

} // namespace AnswerKeys

#endif
