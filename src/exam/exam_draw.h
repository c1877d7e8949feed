// The practice exam's draw: the rows of table pool as the draw sees them and the plan it makes, one
// row per group.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_EXAM_EXAM_DRAW_H
#define VARNEL_EXAM_EXAM_DRAW_H

#include "bank/paper_reader.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

class RandomDraw;

// One row of table pool as the draw sees it.
using ExamCandidate = PaperRow;

// What the draw chose: one row per group, groups in number order.
struct ExamPlan {
    QStringList groups;      // every group of the pool letter in the bank, in number order
    QVector<qint64> rowIds;  // the row drawn for each group, same order; empty when refused
    QStringList emptyGroups; // groups without a question that can be asked
    bool refused() const { return rowIds.isEmpty(); }
};

// The draw of a practice exam: one question, uniformly at random, from each group
// of the current pool letter (a group is the first three characters of a number,
// such as "G1A"). Only questions with a valid number and an answer value of 1 to 4
// are drawn; a group of only broken rows still counts as a group, so a damaged bank
// is refused rather than giving a shorter exam.
namespace ExamDraw {

// The group of a question number of the given pool letter ("G1A" of "G1A05"); none
// when the number does not begin with the letter, a digit and a capital letter.
std::optional<QString> groupOf(const QString& number, QChar poolLetter);
// The answer value 1 to 4 that an answer field holds exactly; none otherwise.
std::optional<int> answerValue(const QString& field);
// True when the row may be asked: its trimmed number is a valid question number of
// the pool letter and its answer field holds 1 to 4.
bool isDrawable(const ExamCandidate& row, QChar poolLetter);
// Draws one drawable row per group. Refused (no rows) when the pool letter has no
// group at all or any group has no drawable row.
ExamPlan plan(const QVector<ExamCandidate>& rows, QChar poolLetter, RandomDraw& draw);
// A whole number in [0, count), uniformly from the draw.
int pick(int count, RandomDraw& draw);
// The screen rows of the four choices, shuffled uniformly.
std::array<int, 4> shuffledRows(RandomDraw& draw);
// What the learner is told when the draw is refused.
QString refusalMessage(const ExamPlan& plan, QChar poolLetter);

} // namespace ExamDraw

#endif
