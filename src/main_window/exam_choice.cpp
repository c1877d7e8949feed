// FrmTheo's handlers for the examination it studies: the caption that names it, and File's Study
// items, which start the program on another exam's bank and end this one.
// SPDX-License-Identifier: MIT
#include "main_window/exam_launcher.h"
#include "main_window/frm_theo.h"
#include "widgets/dialogs.h"
#include "widgets/program_identity.h"

#include <QAction>
#include <QLineEdit>

void FrmTheo::setExamination(Examination exam, ExamLauncher* launcher) {
    m_examination = exam;
    m_examLauncher = launcher;
    for (std::size_t i = 0; i < std::size(Examinations::all); ++i)
        mnuFileStudy[i]->setEnabled(launcher && Examinations::all[i] != exam);
    showExamination();
}

Examination FrmTheo::examination() const {
    // The bank's own questions say which exam it serves; a bank of older pools goes
    // by the exam the program was started for.
    const QString number = Text1->text().trimmed();
    if (!number.isEmpty())
        if (const auto exam = Examinations::fromPoolLetter(number.at(0)))
            return *exam;
    return m_examination;
}

void FrmTheo::showExamination() {
    setWindowTitle(Examinations::caption(programTitle, examination()));
}

void FrmTheo::mnuFileStudy_Click(Examination exam) {
    // As leaving the program: the note typed for the question on screen is saved
    // first, then an exam under way is asked about.
    saveTypedHint(HintLeaving::Program);
    if (!mayLeave())
        return;
    if (!m_examLauncher || !m_examLauncher->start(exam)) {
        m_dialogs.message(this, QStringLiteral("Varnel Theory could not be started for the %1 "
                                               "exam; this one stays open.")
                                    .arg(Examinations::displayName(exam)));
        return;
    }
    // The learner has agreed to leave the exam under way; it is not asked about again.
    m_frmExam.discard();
    mnuFileExit_Click();
}
