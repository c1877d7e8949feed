// FrmTheo's handlers of the review of missed questions: the File menu item and the review window.
// SPDX-License-Identifier: MIT
#include "bank/bank_schema.h"
#include "exam/exam_bank.h"
#include "exam/frm_review.h"
#include "exam/review_queue.h"
#include "main_window/frm_theo.h"
#include "progress/progress_store.h"
#include "widgets/dialogs.h"
#include "widgets/program_identity.h"
#include "widgets/window_moves.h"

#include <QComboBox>

void FrmTheo::mnuFileReview_Click() {
    // A review under way (hidden or minimised) is shown as it was left.
    if (FrmReview* review = existingFrmReview()) {
        WindowMoves::bringBack(review);
        return;
    }
    QStringList missedList;
    for (int i = 0; i < Combo2->count(); ++i)
        missedList << Combo2->itemText(i);
    QStringList numbers = ReviewQueue::firstMisses(missedList);
    const auto listed = numbers.size();
    // And the questions missed in earlier runs whose last answer is still the miss.
    QStringList earlier;
    reportProgressStatus(progressStore()->missedSinceRight(earlier));
    for (const QString& number : std::as_const(earlier)) {
        if (!numbers.contains(number, Qt::CaseInsensitive))
            numbers << number;
    }
    if (numbers.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("The missed list is empty: there is nothing to "
                                               "review yet."));
        return;
    }
    const ReviewReadOutcome outcome = ExamBank::read(workingFile(BankSchema::fileName), numbers);
    if (!outcome.status) {
        m_dialogs.message(this, QStringLiteral("The review could not read the question bank: %1.")
                                    .arg(outcome.status.reason()));
        return;
    }
    if (outcome.questions.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("None of the %1 numbers of the missed list is in "
                                               "the question bank any more: %2.")
                                    .arg(numbers.size())
                                    .arg(numbers.join(QStringLiteral(", "))));
        return;
    }
    FrmReview* review = frmReview();
    const auto fromEarlier = numbers.size() - listed;
    review->setWindowTitle(programTitle + QStringLiteral(" - Review Missed"));
    review->begin(outcome.questions, outcome.skipped,
                  fromEarlier == 0 ? QString()
                                   : QStringLiteral("Asked: the %1 questions of the missed list and "
                                                    "%2 missed in earlier runs, not answered "
                                                    "right since.")
                                         .arg(listed)
                                         .arg(fromEarlier));
    showBesideStudy(review);
}

FrmReview* FrmTheo::createFrmReview() {
    auto* review = new FrmReview(m_workingDir, m_draw);
    review->setJudgedHandler([this](const QString& number, bool right) {
        recordAnswer(number, right, QStringLiteral("review"));
    });
    return review;
}

FrmReview* FrmTheo::frmReview() {
    return m_frmReview.get();
}
FrmReview* FrmTheo::existingFrmReview() const {
    return m_frmReview.existing();
}
