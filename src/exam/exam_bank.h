// The questions of the practice exam and of the review, copied from the question bank read-only, or
// why there are none.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_EXAM_EXAM_BANK_H
#define VARNEL_EXAM_EXAM_BANK_H

#include "bank/bank_status.h"
#include "exam/exam_draw.h"
#include "exam/exam_question.h"

#include <QString>
#include <QStringList>
#include <QVector>

class RandomDraw;

// What drawing a practice exam from the bank gave: the paper, or why there is none.
struct ExamDrawOutcome {
    BankStatus status = BankStatus::success(); // the bank could not be read whole
    ExamPlan plan;                             // refused when groups lack questions
    QVector<ExamQuestion> paper;               // one question per group, in number order
    bool ok() const { return status.ok() && !plan.refused(); }
    // What the learner is told when there is no paper.
    QString refusal(QChar poolLetter) const;
};

// What reading the questions of a review gave.
struct ReviewReadOutcome {
    BankStatus status = BankStatus::success();
    QVector<ExamQuestion> questions; // in the order asked for
    QStringList skipped;             // numbers the bank no longer holds as a question to ask
};

// Copies questions out of the question bank through PaperReader: read-only, inside
// one read transaction, so a bank another program changes meanwhile gives a
// consistent set, which the windows then use without touching the file again. A
// bank that cannot be read whole gives no questions at all, never fewer.
class ExamBank {
public:
    // Draws one question per group of the pool letter, with the choices of each
    // shuffled, and reads its hint where the bank has one.
    static ExamDrawOutcome draw(const QString& filePath, QChar poolLetter, RandomDraw& random);
    // The question of each of these numbers, in this order: the first row of the
    // number (letter case and surrounding spaces ignored) that can be asked, with its
    // hint; the review shuffles the choices each time it begins.
    static ReviewReadOutcome read(const QString& filePath, const QStringList& numbers);
};

#endif
