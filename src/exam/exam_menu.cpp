// FrmTheo's handlers of the practice exam: the File menu item and the exam window.
// SPDX-License-Identifier: MIT
#include "bank/bank_schema.h"
#include "bank/text_rules.h"
#include "drill/missed_list.h"
#include "exam/exam_bank.h"
#include "exam/frm_exam.h"
#include "exam/frm_review.h"
#include "main_window/frm_theo.h"
#include "widgets/click_label.h"
#include "widgets/dialogs.h"
#include "widgets/program_identity.h"
#include "widgets/window_moves.h"

#include <QComboBox>
#include <QLineEdit>

void FrmTheo::mnuFileExam_Click() {
    // An exam under way (hidden or minimised) is shown as it was left.
    if (FrmExam* exam = existingFrmExam()) {
        WindowMoves::bringBack(exam);
        return;
    }
    // The exam is of the pool the learner is studying: that of the current question.
    const QString current = trimSpaces(Text1->text());
    if (current.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("The practice exam cannot be drawn: there is no "
                                               "current question to take its pool from."));
        return;
    }
    const QChar poolLetter = current.at(0);
    const ExamDrawOutcome outcome =
        ExamBank::draw(workingFile(BankSchema::fileName), poolLetter, m_draw);
    if (!outcome.ok()) {
        m_dialogs.message(this, outcome.refusal(poolLetter));
        return;
    }
    FrmExam* exam = frmExam();
    exam->begin(outcome.paper, poolLetter);
    // Modeless and without an owner, like the other auxiliary windows; beside the
    // study window, not over its answers.
    showBesideStudy(exam);
}

void FrmTheo::showBesideStudy(QWidget* window) {
    if (!window->isVisible()) {
        const std::array<ClickLabel*, 4> answers = choiceLabels();
        WindowMoves::placeBeside(window, this,
                                 WindowMoves::globalArea({Text1, Label12, answers[0], answers[1],
                                                          answers[2], answers[3]}));
    }
    WindowMoves::bringBack(window);
}

FrmExam* FrmTheo::createFrmExam() {
    // The missed numbers go to the end of the missed list, as wrong answers in the
    // study window do.
    auto studyThese = [this](const QStringList& numbers) {
        for (const QString& number : numbers)
            Combo2->addItem(number);
        Combo2->setEditText(missedListCaption);
    };
    // Or the missed questions are reviewed at once, from the exam's own copies.
    auto reviewThese = [this](const QVector<ExamQuestion>& questions) {
        FrmReview* review = frmReview();
        review->setWindowTitle(programTitle + QStringLiteral(" - Review Missed"));
        review->begin(questions);
        showBesideStudy(review);
    };
    auto* exam = new FrmExam(workingFile(BankSchema::fileName), m_workingDir, m_dialogs, m_draw,
                             studyThese, reviewThese);
    exam->setFinishedHandler(
        [this](const QVector<ExamQuestion>& paper, const QVector<int>& chosen,
               const ExamResult& result) { recordExam(paper, chosen, result); });
    return exam;
}

FrmExam* FrmTheo::frmExam() {
    return m_frmExam.get();
}
FrmExam* FrmTheo::existingFrmExam() const {
    return m_frmExam.existing();
}

bool FrmTheo::mayLeave() {
    FrmExam* exam = existingFrmExam();
    if (!exam || exam->isFinished() || exam->paper().isEmpty())
        return true;
    // Asked over the exam itself, brought back if it was minimised or behind.
    WindowMoves::bringBack(exam);
    return exam->mayLeave();
}
