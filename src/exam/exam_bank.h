// The practice exam's bank reader: the paper drawn from the question bank, read-only, or why there
// is none.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_EXAM_EXAM_BANK_H
#define VARNEL_EXAM_EXAM_BANK_H

#include "bank/bank_status.h"
#include "exam/exam_draw.h"
#include "exam/exam_question.h"

#include <QString>
#include <QVector>

class RandomDraw;

// What drawing a practice exam from the bank gave: the paper, or why there is none.
struct ExamDrawOutcome {
    BankStatus status = BankStatus::success(); // the bank could not be read
    ExamPlan plan;                             // refused when groups lack questions
    QVector<ExamQuestion> paper;               // one question per group, in number order
    bool ok() const { return status.ok() && !plan.refused(); }
    // What the learner is told when there is no paper.
    QString refusal(QChar poolLetter) const;
};

// Reads a practice exam out of the question bank through a connection of its own,
// opened read-only: the exam writes nothing and moves neither record source of the
// study window. All reading happens inside one read transaction, so a bank another
// program changes meanwhile gives a consistent paper, and the exam then goes on with
// its copies without touching the file again.
class ExamBank {
public:
    // Draws one question per group of the pool letter from the bank file, with the
    // choices of each shuffled, and reads its hint where the bank has one.
    static ExamDrawOutcome draw(const QString& filePath, QChar poolLetter, RandomDraw& random);
};

#endif
