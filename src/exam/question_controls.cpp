// The question page's controls of the practice exam and the review: making, placing, and the
// question's figure shown beside them.
// SPDX-License-Identifier: MIT
#include "exam/question_controls.h"

#include "bank/bank_schema.h"
#include "display/figure_catalogue.h"
#include "display/frm_picture.h"
#include "exam/exam_choice_button.h"
#include "exam/exam_controls.h"
#include "widgets/click_label.h"
#include "widgets/fonts.h"
#include "widgets/twips.h"
#include "widgets/window_moves.h"

#include <QButtonGroup>
#include <QDir>
#include <QPushButton>

using namespace ExamControls;

QuestionControls::QuestionControls(const QString& workingDir)
    : m_workingDir(workingDir), m_frmPicture([] { return new FrmPicture; }) {}

void QuestionControls::createQuestionControls(QWidget* page) {
    lblProgress = fieldLabel(page, "lblProgress", QStringLiteral("Progress"));
    lblProgress->setFont(msSansSerif(9.75));
    lblNumber = whiteBox(page, "lblNumber", QStringLiteral("Question number"));
    lblStem = whiteBox(page, "lblStem", QStringLiteral("Question"));
    lblStem->setFont(msSansSerif(9.75));
    // One access key per control: the exam's Alt+P is Previous.
    cmdPicture =
        button(page, "cmdPicture", QStringLiteral("&Show Picture"), QStringLiteral("Show Picture"));
    cmdPicture->hide();
    m_choices = new QButtonGroup(page->window());
    for (int row = 0; row < 4; ++row) {
        auto* choice = new ExamChoiceButton(row, page);
        choice->setObjectName(QStringLiteral("optChoice%1").arg(row + 1));
        choice->setFont(msSansSerif(9.75));
        m_choices->addButton(choice, row);
        optChoice[static_cast<size_t>(row)] = choice;
    }
}

void QuestionControls::placeQuestionControls() {
    twips::place(lblProgress, 240, 120, 4000, 300);
    twips::place(lblNumber, 240, 480, 1215, 285);
    twips::place(cmdPicture, 240, 900, 1215, 615);
    twips::place(lblStem, 1560, 480, 5880, 1215);
    for (int row = 0; row < 4; ++row)
        twips::place(optChoice[static_cast<size_t>(row)], 240, 1860 + row * 840, 7200, 735);
}

QRect QuestionControls::questionArea() const {
    QRect area = WindowMoves::globalArea({lblNumber, lblStem});
    for (const ExamChoiceButton* choice : optChoice)
        area |= WindowMoves::globalArea({choice});
    return area;
}

void QuestionControls::showFigureButton(const QString& number, const QString& stem) {
    const std::optional<FigureEntry> figure =
        FigureCatalogue::figureFor(number, stem, [this] { return bankNamesFigures(); });
    cmdPicture->setVisible(figure.has_value());
    if (FrmPicture* picture = existingFrmPicture(); picture && picture->isVisible()) {
        if (figure)
            picture->loadPicture(QDir(m_workingDir).filePath(figure->bitmapFile));
        else
            picture->hide();
    }
}

void QuestionControls::showFigure(const QString& number, const QString& stem) {
    const std::optional<FigureEntry> figure =
        FigureCatalogue::figureFor(number, stem, [this] { return bankNamesFigures(); });
    if (!figure)
        return;
    FrmPicture* picture = m_frmPicture.get();
    picture->loadPicture(QDir(m_workingDir).filePath(figure->bitmapFile));
    if (!picture->isVisible())
        WindowMoves::placeBeside(picture, m_questionPage->window(), questionArea());
    WindowMoves::bringBack(picture);
}

bool QuestionControls::bankNamesFigures() {
    if (!m_bankNamesFigures)
        m_bankNamesFigures =
            FigureCatalogue::bankNamesFigures(QDir(m_workingDir).filePath(BankSchema::fileName));
    return *m_bankNamesFigures;
}

FrmPicture* QuestionControls::existingFrmPicture() const {
    return m_frmPicture.existing();
}
