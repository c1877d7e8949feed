// FrmTheo's handlers for the question change: the labels over their boxes, the topic box, the hint
// look-up, the Hint button and menu, and the validate step.
// SPDX-License-Identifier: MIT
#include "bank/text_rules.h"
#include "drill/topic_catalogue.h"
#include "main_window/frm_theo.h"
#include "widgets/click_label.h"
#include "widgets/data_control.h"
#include "widgets/twips.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

void FrmTheo::Text1_Change() {
    // Each shown label lies exactly over its hidden box, so the rows that start-up
    // drew for the answer boxes are the rows the learner sees.
    for (const auto& [label, box] : overlays()) {
        twips::setLeft(label, twips::left(box));
        twips::setTop(label, twips::top(box));
        twips::setHeight(label, twips::height(box));
        twips::setWidth(label, twips::width(box));
    }

    if (const auto topic = TopicCatalogue::nameForCode(trimSpaces(Text1->text()).left(2)))
        Combo1->setEditText(*topic);

    if (Text1->text().isEmpty())
        return; // a new blank record

    // The untrimmed number is looked up; a number the criterion cannot hold (an
    // apostrophe in it) simply finds no hint. Without a hint row the hint source has
    // no row, so the hint box is empty and writes into no other question's row. Only
    // a refused save of typed hint text is worth telling the learner about; the
    // look-up goes on regardless, so one refusal is told once.
    RecordSource& hints = Data2->recordset();
    reportBankStatus(hints.findFirst(QStringLiteral("GN = '") + Text1->text() + QLatin1Char('\''),
                                     FindMode::LookUp));
    // Nothing typed there could be kept, so the empty box takes no typing.
    const bool hintRow = hints.hasCurrentRow();
    Text10->setReadOnly(!hintRow);
    Text10->setPlaceholderText(hintRow ? QString() : QStringLiteral("No hint for this question."));

    // Let queued events run; one of them may change the question again, so the
    // figure step below reads the number afresh.
    QCoreApplication::processEvents();

    if (m_shared.StartupFlag != flagTrue)
        return;
    FigureLookup(trimSpaces(Text1->text()));
}

void FrmTheo::Command8_Click() {
    Text10->show();
}

void FrmTheo::Data1_Validate(qint16& Action, qint16& Save) {
    Q_UNUSED(Action);
    Q_UNUSED(Save);
    Text10->hide();
}

void FrmTheo::mnuHelpHint_Click() {
    mnuHelpHint->setChecked(!mnuHelpHint->isChecked());
    if (mnuHelpHint->isChecked()) {
        Command8->show();
    } else {
        Command8->hide();
        Text10->hide();
    }
}
