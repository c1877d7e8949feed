// The spaced-repetition rule: a Leitner schedule of boxes with growing intervals, and the
// learning state (new, learning, known) a question's answers give it.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_PROGRESS_LEITNER_SCHEDULE_H
#define VARNEL_PROGRESS_LEITNER_SCHEDULE_H

#include <QDateTime>
#include <QString>
#include <array>

// One question's place in the schedule, replayed from its answers oldest first.
struct LeitnerCard {
    int box = 0;        // 0: the start, due at once; 1 to 5: right answers in a row, roughly
    QDateTime due;      // null while the question was never answered
    int right = 0;
    int wrong = 0;
    QDateTime last;     // the last answer's time
    bool lastRight = false;
    bool answered() const { return right + wrong > 0; }
};

namespace LeitnerSchedule {

// Days until a question in box 1 to 5 is due again: each right answer doubles the wait.
inline constexpr std::array<int, 5> intervalDays{1, 2, 4, 8, 16};
// A question is known once it reached this box: three right answers, each when it was due.
inline constexpr int knownFromBox = 3;

// Applies one answer: a right one when the question is due (or new) moves it one box up
// and sets its next due time; a right one before it is due only counts (cramming does not
// move it); a wrong one sends it back to the start, due at once.
void answer(LeitnerCard& card, const QDateTime& when, bool right);
// "new" (never answered), "learning" or "known".
QString state(const LeitnerCard& card);

} // namespace LeitnerSchedule

#endif
