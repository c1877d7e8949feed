// The controls that ask one question in the practice exam and the review (progress, number,
// question, Show Picture, the four answer rows) and the question's own figure window.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_EXAM_QUESTION_CONTROLS_H
#define VARNEL_EXAM_QUESTION_CONTROLS_H

#include "widgets/aux_window.h"

#include <QRect>
#include <QString>
#include <array>
#include <optional>

class ClickLabel;
class ExamChoiceButton;
class FrmPicture;
class QButtonGroup;
class QPushButton;
class QWidget;

// The question page's controls, made and placed alike in both windows that ask
// questions, and the window's own figure window (the study window's keeps its
// question's figure). A window inherits them beside QWidget, so they are its own
// members by these names; this is no QObject, so the window's class stays a direct
// QWidget to Qt (and to the accessible interface of the program's windows).
class QuestionControls {
public:
    ClickLabel* lblProgress = nullptr;
    ClickLabel* lblNumber = nullptr;
    ClickLabel* lblStem = nullptr;
    QPushButton* cmdPicture = nullptr;
    std::array<ExamChoiceButton*, 4> optChoice{}; // screen rows A to D

    // The window's own figure window if it exists, without creating it.
    FrmPicture* existingFrmPicture() const;

protected:
    // Figures are looked for in workingDir.
    explicit QuestionControls(const QString& workingDir);

    // Makes the controls on page in the order the Tab key visits them, the answer
    // rows in one group (id = screen row); Show Picture starts hidden.
    void createQuestionControls(QWidget* page);
    // Places them on the page, the same in both windows.
    void placeQuestionControls();
    // Where the question is shown, in global coordinates: what a figure must not cover.
    QRect questionArea() const;
    // Shows Show Picture when the question of this number and stem has a figure; an open figure
    // window follows the question, as it does in the study window.
    void showFigureButton(const QString& number, const QString& stem);
    // Show Picture: the figure of the question of this number and stem, beside the window and
    // never over the question it illustrates.
    void showFigure(const QString& number, const QString& stem);

    // Whether the bank's pool names its figures in its text, asked once when needed.
    bool bankNamesFigures();
    std::optional<bool> m_bankNamesFigures;
    QString m_workingDir;
    AuxWindow<FrmPicture> m_frmPicture;
    QWidget* m_questionPage = nullptr;
    QButtonGroup* m_choices = nullptr;
};

#endif
