// FrmTheo's handlers for the question change: the labels over their boxes, the topic box, the hint
// look-up, the Hint button and menu, and the validate step.
// SPDX-License-Identifier: MIT
#include "bank/bank_schema.h"
#include "bank/criterion.h"
#include "bank/text_rules.h"
#include "drill/answer_placement.h"
#include "drill/topic_catalogue.h"
#include "main_window/frm_theo.h"
#include "widgets/announcer.h"
#include "widgets/click_label.h"
#include "widgets/data_control.h"
#include "widgets/dialogs.h"
#include "widgets/twips.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace {

const QString notTextHint = QStringLiteral(
    "This hint is not stored as text in the question bank, so it is shown as it is and "
    "cannot be edited here.");

enum class HintBox { Note, NoHint, NoHintsTable, NotText };

// The hint box takes typing only where a note can go into a row of its own question.
void setUpHintBox(QPlainTextEdit* box, HintBox state) {
    box->setReadOnly(state != HintBox::Note);
    QString say;
    switch (state) {
    case HintBox::Note:
        say = QStringLiteral("Type your own note for this question.");
        break;
    case HintBox::NoHint:
        say = QStringLiteral("No hint for this question.");
        break;
    case HintBox::NoHintsTable:
        say = QStringLiteral("This question bank holds no hints or notes.");
        break;
    case HintBox::NotText:
        say = notTextHint;
        break;
    }
    // The box is one line high, so the grey text wraps out of sight; the tooltip and a
    // screen reader give it whole.
    box->setPlaceholderText(say);
    box->setToolTip(say);
    box->setAccessibleDescription(say);
}

} // namespace

void FrmTheo::Text1_Change() {
    // Each shown label lies exactly over its hidden box, so the rows that start-up
    // drew for the answer boxes are the rows the learner sees.
    for (const auto& [label, box] : overlays()) {
        twips::setLeft(label, twips::left(box));
        twips::setTop(label, twips::top(box));
        twips::setHeight(label, twips::height(box));
        twips::setWidth(label, twips::width(box));
    }
    // A choice too long for its box at the design size first takes its row's whole
    // height, two pixels clear of the next row, and wraps onto more lines there.
    const int rowHeight =
        twips::toPixels(AnswerPlacement::rowTops[1] - AnswerPlacement::rowTops[0]);
    for (ClickLabel* choice : choiceLabels())
        choice->resize(choice->width(), choice->heightToShow(choice->height(), rowHeight - 2));

    if (const auto topic = TopicCatalogue::nameForCode(trimSpaces(Text1->text()).left(2)))
        Combo1->setEditText(*topic);

    lookUpHint();
    if (Text1->text().isEmpty())
        return; // a new blank record: no figure step

    // Let queued events run; one of them may change the question again, so the
    // figure step below reads the number afresh.
    QCoreApplication::processEvents();
    // Told when the event loop next turns, after the row's other fields (the Drill
    // colours come with the answer field) and after any nested change.
    m_announcer->changed();

    if (m_shared.StartupFlag != flagTrue)
        return;
    FigureLookup(trimSpaces(Text1->text()));
}

QString FrmTheo::questionAnnouncement() const {
    const QString number = trimSpaces(Label12->text());
    if (number.isEmpty())
        return {};
    QString said =
        QStringLiteral("Question %1: %2 Four choices, A to D").arg(number, Label13->text());
    // The rows are where the labels stand; Drill mode's blue one is named by its row.
    auto choices = choiceLabels();
    std::sort(choices.begin(), choices.end(),
              [](const ClickLabel* a, const ClickLabel* b) { return a->y() < b->y(); });
    for (int row = 0; row < 4; ++row)
        if (choices[static_cast<std::size_t>(row)]->isRightAnswerShown())
            said += QStringLiteral("; the right answer is %1").arg(QChar(u'A' + row));
    return said + QLatin1Char('.');
}

void FrmTheo::lookUpHint() {
    RecordSource& hints = Data2->recordset();
    if (!hints.isOpen()) {
        setUpHintBox(Text10, HintBox::NoHintsTable);
        return;
    }
    // The untrimmed number is looked up; a number the criterion cannot hold (an
    // apostrophe in it) simply finds no hint. A question without a number (a new blank
    // record) has no hint: the empty criterion matches nothing, so the hint source
    // still leaves the previous question's row and nothing typed can reach it. Leaving
    // saves what was typed there when the validate step has not; a refusal is told.
    const QString number = Text1->text();
    const QString criterion =
        number.isEmpty() ? QString() : QStringLiteral("GN = '") + number + QLatin1Char('\'');
    reportBankStatus(hints.findFirst(criterion, FindMode::LookUp));
    // Without a hint row the box starts a new one for this question, saved only when a
    // note is typed into it; only for a number whose look-up finds that row again (no
    // spaces around it, no apostrophe in it), so that no note is saved out of sight.
    const QString trimmed = trimSpaces(number);
    if (!hints.hasCurrentRow() && !trimmed.isEmpty() && trimmed == number &&
        parseCriterion(criterion, hints.fields()))
        reportBankStatus(hints.addNew({{QStringLiteral("GN"), trimmed}}));
    // A hint stored as a number or as raw bytes would be written back as altered text.
    m_hintNotText = hints.hasCurrentRow() && !hints.holdsText(BankSchema::hintFields().last());
    setUpHintBox(Text10, m_hintNotText                                   ? HintBox::NotText
                         : hints.hasCurrentRow() || hints.isNewPending() ? HintBox::Note
                                                                         : HintBox::NoHint);
    if (m_hintNotText && Text10->isVisible())
        tellHintNotText();
}

void FrmTheo::tellHintNotText() {
    if (m_toldHintNotText)
        return;
    m_toldHintNotText = true;
    m_dialogs.message(this, notTextHint);
}

void FrmTheo::Command8_Click() {
    Text10->show();
    // The learner asked to read or write the note: the keys go there, and a screen
    // reader reads the box (the button is ten Tabs away from it).
    Text10->setFocus();
    if (!Data2->recordset().isOpen() && !m_toldNoHintsTable) {
        m_toldNoHintsTable = true;
        m_dialogs.message(this, QStringLiteral("This question bank has no table \"Hints\", so it "
                                               "shows no hints and notes cannot be saved in it."));
    }
    if (m_hintNotText)
        tellHintNotText();
}

void FrmTheo::Data1_Validate(qint16& Action, qint16& Save) {
    Q_UNUSED(Save);
    // The note goes into its question's row before that question is left.
    if (!saveTypedHint(HintLeaving::Question)) {
        Action = 0; // the question stays, and the note in its box
        return;
    }
    Text10->hide();
}

bool FrmTheo::saveTypedHint(HintLeaving leaving) {
    RecordSource& hints = Data2->recordset();
    const BankStatus saved = hints.saveTyped();
    if (saved)
        return true;
    const bool question = leaving == HintLeaving::Question;
    if (saved.kind() == BankStatus::Kind::Conflict) {
        // The other program's note is kept; the learner's text stays in the box, no
        // longer counted as typed, so that moving on again leaves both as they are.
        m_dialogs.message(
            this,
            QStringLiteral("Your note was not saved: another program saved a note for this "
                           "question since it was shown here, and that note is kept.") +
                (question ? QStringLiteral(" Your text stays in the hint box so that you "
                                           "can copy it; moving on leaves that note as it is.")
                          : QString()));
        return !question;
    }
    if (question && saved.kind() == BankStatus::Kind::Passing) {
        m_dialogs.message(this, QStringLiteral("Your note could not be saved yet: %1. It stays in "
                                               "the hint box, and the question stays on screen.")
                                    .arg(saved.reason()));
        return false;
    }
    m_dialogs.message(this, QStringLiteral("Your note cannot be kept: %1.").arg(saved.reason()) +
                                (question ? QStringLiteral(" Your text stays in the hint box so "
                                                           "that you can copy it; moving on "
                                                           "leaves it unsaved.")
                                          : QString()));
    // Told once: the text no longer counts as typed, so moving on again does not try again.
    hints.settleTyped();
    return !question;
}

void FrmTheo::mnuHelpHint_Click() {
    mnuHelpHint->setChecked(!mnuHelpHint->isChecked());
    if (mnuHelpHint->isChecked()) {
        Command8->show();
        // One press of the button then shows the note box with the focus in it.
        Command8->setFocus();
    } else {
        Command8->hide();
        Text10->hide();
    }
}
