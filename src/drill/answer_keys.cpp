// Which row a key answers, and which choice stands in each row.
// SPDX-License-Identifier: MIT
#include "drill/answer_keys.h"

#include <Qt>
#include <algorithm>
#include <numeric>

namespace AnswerKeys {

std::optional<int> rowForKey(int key, int modifiers) {
    // Shift is allowed, so a learner with Caps Lock or Shift held still answers.
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    if (key >= Qt::Key_A && key < Qt::Key_A + rowCount)
        return key - Qt::Key_A;
    if (key >= Qt::Key_1 && key < Qt::Key_1 + rowCount)
        return key - Qt::Key_1;
    return std::nullopt;
}

QList<int> choicesByRow(const QList<int>& tops) {
    QList<int> order(tops.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return tops.at(a) < tops.at(b); });
    return order;
}

} // namespace AnswerKeys
