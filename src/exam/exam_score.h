// Scoring a practice exam: right answers per topic, the result, the pass mark and the verdict; an
// unanswered question counts as wrong.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_EXAM_EXAM_SCORE_H
#define VARNEL_EXAM_EXAM_SCORE_H

#include "exam/exam_question.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Right answers of one topic (subelement digit 0 to 9) against questions asked.
struct TopicTally {
    QString name;
    int right = 0;
    int asked = 0;
};

// The outcome of a finished practice exam.
struct ExamResult {
    int right = 0;
    int total = 0;
    int passMark = 0;
    bool passed = false;
    QVector<TopicTally> topics; // the ten topics by digit
    QVector<int> missed;        // paper positions answered wrongly or not at all, in number order
};

// Scoring of a practice exam. An unanswered question counts as wrong.
namespace ExamScore {

// The share of right answers that passes, in per cent.
inline constexpr int passPercent = 74;

// The fewest right answers that pass an exam of n questions: the smallest whole
// number that is at least passPercent of n (26 of 35).
int passMark(int questions);
// Scores the paper against the learner's answers: chosen[i] is the answer value
// (1 to 4) chosen for paper[i], or 0 when it was left unanswered.
ExamResult score(const QVector<ExamQuestion>& paper, const QVector<int>& chosen);
// "26 of 35 right: passed", or "25 of 35 right: not passed (26 needed)".
QString verdict(const ExamResult& result);
// The numbers of the missed questions, in number order.
QStringList missedNumbers(const QVector<ExamQuestion>& paper, const ExamResult& result);

} // namespace ExamScore

#endif
