// The estimate of the chance to pass a practice exam from what the learner knows: the chance of a
// right answer per question state, per group, and over the exam's draw.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_PROGRESS_PASS_CHANCE_H
#define VARNEL_PROGRESS_PASS_CHANCE_H

#include <QString>
#include <QVector>

// The model behind the pass estimate. The exam draws one question from every group;
// a group's chance of a right answer is the mean, over its questions, of a fixed
// chance for the question's state; the groups are taken as independent, so the
// number right follows a Poisson-binomial distribution.
namespace PassChance {

// The chance of a right answer for a question never answered (a guess among four),
// one being learned (better after a right last answer) and one known.
inline constexpr double newChance = 1.0 / 4.0;
inline constexpr double learningChance = 4.0 / 10.0;
inline constexpr double learningAfterRightChance = 7.0 / 10.0;
inline constexpr double knownChance = 19.0 / 20.0;

// The chance that at least `needed` of independent trials succeed, trial i with
// chance chances[i]: 1 when nothing is needed, 0 when more are needed than there
// are trials.
double atLeast(const QVector<double>& chances, int needed);
// The model in one sentence, for an exam of this many questions and pass mark.
QString modelSentence(int questions, int passMark);

} // namespace PassChance

#endif
