// FrmTheo's handlers for answer checking and modes: the clicks on the four choices, the check, the
// drill and study options, the right choice in blue.
// SPDX-License-Identifier: MIT
#include "bank/text_rules.h"
#include "display/figure_catalogue.h"
#include "display/frm_picture.h"
#include "drill/answer_value.h"
#include "drill/missed_list.h"
#include "main_window/frm_theo.h"
#include "widgets/click_label.h"
#include "widgets/data_control.h"
#include "widgets/dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

const QColor highlightColour(0, 0, 255);
const QColor normalColour(0, 0, 0);

void setForeColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

// The answer boxes are hidden; the choice labels laid over them take the clicks.
void FrmTheo::Label8_Click() {
    Text5_Click();
}
void FrmTheo::Label9_Click() {
    Text6_Click();
}
void FrmTheo::Label10_Click() {
    Text7_Click();
}
void FrmTheo::Label11_Click() {
    Text8_Click();
}
void FrmTheo::Text5_Click() {
    checkAnswer(1);
}
void FrmTheo::Text6_Click() {
    checkAnswer(2);
}
void FrmTheo::Text7_Click() {
    checkAnswer(3);
}
void FrmTheo::Text8_Click() {
    checkAnswer(4);
}

void FrmTheo::checkAnswer(int answerValue) {
    // An answer field that holds no number makes every choice wrong.
    const bool right = AnswerValue::matches(Text4->text(), answerValue);
    // Recorded before the learner is told, so an answer told is an answer kept.
    recordAnswer(trimSpaces(Text1->text()), right, QStringLiteral("study"));
    if (right) {
        m_dialogs.message(this, QStringLiteral("    Correct"));
        const QString answered = shownFigureFile();
        // The drill ends at the last row of the pool, whatever its number: a step
        // past it keeps the last question current, so it can be answered again.
        reportBankStatus(Data1->recordset().moveNext());
        // After the move, so a figure window open for the question just answered goes
        // too, unless the next question refers to the same drawing (G7A09 to G7A13).
        if (answered.isEmpty() || answered != shownFigureFile())
            frmPicture()->hide();
    } else {
        m_dialogs.message(this, QStringLiteral("    Sorry, try again."));
        // Adding the first entry would make it the box's text; the box keeps its caption.
        Combo2->addItem(trimSpaces(Text1->text()));
        Combo2->setEditText(missedListCaption);
    }
}

void FrmTheo::Option1_Click() {
    Text4_Change();
}
void FrmTheo::Option2_Click() {
    Text4_Change();
}

void FrmTheo::Text4_Change() {
    // A question without an answer value keeps the colours of the one before.
    if (Text4->text().isEmpty())
        return;
    const auto boxes = answerBoxes();
    const auto labels = choiceLabels();
    const bool drill = Option2->isChecked();
    for (int i = 0; i < 4; ++i) {
        const bool right = drill && AnswerValue::matches(Text4->text(), i + 1);
        setForeColour(boxes[i], QPalette::Text, right ? highlightColour : normalColour);
    }
    // The learner sees the labels; each takes the colour of the box beneath it, and a
    // screen reader hears which one is blue.
    for (int i = 0; i < 4; ++i) {
        const QColor colour = boxes[i]->palette().color(QPalette::Text);
        setForeColour(labels[i], QPalette::WindowText, colour);
        labels[i]->setRightAnswerShown(colour == highlightColour);
    }
}
