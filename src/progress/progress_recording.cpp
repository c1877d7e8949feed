// FrmTheo's handlers of what the learner answered, kept between runs: recording answers and
// exams in the progress store, the due questions and the question last answered.
// SPDX-License-Identifier: MIT
#include "bank/bank_schema.h"
#include "bank/text_rules.h"
#include "exam/exam_bank.h"
#include "exam/exam_score.h"
#include "exam/frm_review.h"
#include "main_window/frm_theo.h"
#include "progress/progress_store.h"
#include "widgets/dialogs.h"
#include "widgets/program_identity.h"
#include "widgets/window_moves.h"

#include <QLocale>

namespace {

// At most this many due questions are asked at a time, the most overdue first.
constexpr int dueAtATime = 25;

} // namespace

ProgressStore* FrmTheo::progressStore() {
    if (!m_progressStore)
        m_progressStore = std::make_unique<ProgressStore>(m_workingDir);
    return m_progressStore.get();
}

ProgressRecords* FrmTheo::progressRecords() {
    return m_progressRecords ? m_progressRecords : progressStore();
}

void FrmTheo::reportProgressStatus(const BankStatus& status) {
    if (status || m_toldProgressFailure)
        return;
    // Told once a run: studying goes on, only the record of it is missing.
    m_toldProgressFailure = true;
    m_dialogs.message(this, QStringLiteral("Your answers are not being kept for later runs: %1. "
                                           "Studying goes on as before.")
                                .arg(status.reason()));
}

void FrmTheo::recordAnswer(const QString& number, bool right, const QString& where) {
    if (number.isEmpty())
        return;
    reportProgressStatus(
        progressStore()->record(number, QDateTime::currentDateTimeUtc(), right, where));
    refreshFrmProgress();
}

void FrmTheo::recordExam(const QVector<ExamQuestion>& paper, const QVector<int>& chosen,
                         const ExamResult& result) {
    if (paper.isEmpty())
        return;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QVector<FileAnswer> answers;
    for (qsizetype i = 0; i < paper.size() && i < chosen.size(); ++i) {
        if (chosen.at(i) != 0) // a question left unanswered was not answered wrong
            answers.append(FileAnswer{paper.at(i).number, now,
                                      chosen.at(i) == paper.at(i).rightValue,
                                      QStringLiteral("exam")});
    }
    // The topics in syllabus order, 1 to 9 then 0, each as "G1 5/6".
    const QChar letter = paper.first().number.isEmpty() ? QChar(u'?') : paper.first().number.at(0);
    QStringList topics;
    for (int i = 1; i <= static_cast<int>(result.topics.size()); ++i) {
        const int digit = i % static_cast<int>(result.topics.size());
        const TopicTally& tally = result.topics.at(digit);
        if (tally.asked > 0)
            topics << QStringLiteral("%1%2 %3/%4").arg(letter).arg(digit).arg(tally.right).arg(
                          tally.asked);
    }
    reportProgressStatus(progressStore()->recordExam(
        FileExam{now, result.right, result.total, result.passed, topics.join(QStringLiteral("; "))},
        answers));
    refreshFrmProgress();
}

void FrmTheo::mnuFileDue_Click() {
    if (FrmReview* review = existingFrmReview()) {
        WindowMoves::bringBack(review);
        return;
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QStringList numbers;
    QDateTime next;
    if (BankStatus s = progressStore()->due(now, dueAtATime, numbers, next); !s) {
        m_dialogs.message(this, QStringLiteral("The due questions cannot be found: %1.")
                                    .arg(s.reason()));
        return;
    }
    if (numbers.isEmpty()) {
        m_dialogs.message(
            this, next.isValid()
                      ? QStringLiteral("No question is due now. The next one is due %1.")
                            .arg(QLocale().toString(next.toLocalTime(), QLocale::LongFormat))
                      : QStringLiteral("No question is due: the questions you answer come back "
                                       "here when they are due again."));
        return;
    }
    const ReviewReadOutcome outcome = ExamBank::read(workingFile(BankSchema::fileName), numbers);
    if (!outcome.status) {
        m_dialogs.message(this, QStringLiteral("The due questions could not be read from the "
                                               "question bank: %1.")
                                    .arg(outcome.status.reason()));
        return;
    }
    if (outcome.questions.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("None of the %1 due questions is in the question "
                                               "bank any more: %2.")
                                    .arg(numbers.size())
                                    .arg(numbers.join(QStringLiteral(", "))));
        return;
    }
    FrmReview* review = frmReview();
    // One review window serves the missed list and the due questions: its title says which.
    review->setWindowTitle(programTitle + QStringLiteral(" - Due Questions"));
    review->begin(outcome.questions, outcome.skipped,
                  QStringLiteral("Due again: %1 questions, the most overdue first.")
                      .arg(outcome.questions.size()));
    showBesideStudy(review);
}

void FrmTheo::mnuFileContinue_Click() {
    QString number;
    if (BankStatus s = progressStore()->lastStudyQuestion(number); !s) {
        m_dialogs.message(this, QStringLiteral("The question you left off at cannot be found: %1.")
                                    .arg(s.reason()));
        return;
    }
    if (number.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("No answer of yours is recorded yet: there is no "
                                               "question to continue from."));
        return;
    }
    Command7_NewItem(number);
}
