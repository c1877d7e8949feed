// The pass estimate's arithmetic: the exact distribution of the number of right answers over
// independent groups, and the sentence that states the model.
// SPDX-License-Identifier: MIT
#include "progress/pass_chance.h"

#include <algorithm>

namespace PassChance {

double atLeast(const QVector<double>& chances, int needed) {
    if (needed <= 0)
        return 1.0;
    if (needed > chances.size())
        return 0.0;
    // exactly[k]: the chance of k right answers among the trials seen so far. One pass
    // per trial, k from the top so each trial is counted once: O(n^2), 2,500 steps for
    // a 50-question exam, and exact where a normal approximation would not be.
    QVector<double> exactly(chances.size() + 1, 0.0);
    exactly[0] = 1.0;
    qsizetype seen = 0;
    for (double p : chances) {
        p = std::clamp(p, 0.0, 1.0);
        ++seen;
        for (qsizetype k = seen; k > 0; --k)
            exactly[k] = exactly[k] * (1.0 - p) + exactly[k - 1] * p;
        exactly[0] *= 1.0 - p;
    }
    double sum = 0.0;
    for (qsizetype k = needed; k < exactly.size(); ++k)
        sum += exactly[k];
    return std::clamp(sum, 0.0, 1.0);
}

QString modelSentence(int questions, int passMark) {
    return QStringLiteral(
               "The estimate counts a new question as answered right 1 time in 4, one being "
               "learned 4 in 10 (7 in 10 when its last answer was right) and a known one 19 in "
               "20, averages these over each group's questions, and gives the chance that the "
               "exam's %1 questions, one from each group, bring %2 or more right answers.")
        .arg(questions)
        .arg(passMark);
}

} // namespace PassChance
