// The Leitner schedule's rule.
// SPDX-License-Identifier: MIT
#include "progress/leitner_schedule.h"

#include <algorithm>

namespace LeitnerSchedule {

void answer(LeitnerCard& card, const QDateTime& when, bool right) {
    if (right) {
        if (!card.due.isValid() || when >= card.due) {
            card.box = std::min(card.box + 1, static_cast<int>(intervalDays.size()));
            card.due = when.addDays(intervalDays.at(static_cast<size_t>(card.box - 1)));
        }
        ++card.right;
    } else {
        card.box = 0;
        card.due = when;
        ++card.wrong;
    }
    card.last = when;
    card.lastRight = right;
}

QString state(const LeitnerCard& card) {
    if (!card.answered())
        return QStringLiteral("new");
    return card.box >= knownFromBox ? QStringLiteral("known") : QStringLiteral("learning");
}

} // namespace LeitnerSchedule
