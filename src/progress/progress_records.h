// ProgressRecords: what the progress window, the export, the import and the reset need of the
// store that records the learner's answers.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_PROGRESS_PROGRESS_RECORDS_H
#define VARNEL_PROGRESS_PROGRESS_RECORDS_H

#include "bank/bank_status.h"
#include "progress/progress_file.h"

#include <QString>
#include <QVector>

// The learner's recorded answers and practice exams, as the progress window, the
// progress file and the reset see them. The store that records them implements it;
// every operation reports failure as a value, and one that changes anything does it
// in one transaction, so a failure changes nothing.
class ProgressRecords {
public:
    virtual ~ProgressRecords() = default;

    // The file the records are kept in, which an export must never overwrite.
    virtual QString filePath() const = 0;
    // Every recorded answer, oldest first.
    virtual BankStatus answers(QVector<FileAnswer>& answers) = 0;
    // Every finished practice exam, oldest first.
    virtual BankStatus exams(QVector<FileExam>& exams) = 0;
    // Every answered question's standing, as the schedule derives it from its answers.
    virtual BankStatus questions(QVector<FileQuestion>& questions) = 0;
    // Adds the answers and exams not recorded yet (an answer is recorded when one of
    // the same number, time, result and place is; an exam when one of the same time
    // is), and says how many of each were added.
    virtual BankStatus merge(const QVector<FileAnswer>& answers, const QVector<FileExam>& exams,
                             int& answersAdded, int& examsAdded) = 0;
    // Removes every answer to a question whose number begins with topicCode ("G1"); an
    // empty code removes every answer and every practice exam.
    virtual BankStatus reset(const QString& topicCode) = 0;
};

#endif
