// FrmTheo's handlers for topic and number jumps: a choice from the topic list or the missed list,
// and going to a question by its number.
// SPDX-License-Identifier: MIT
#include "bank/bank_info.h"
#include "bank/bank_schema.h"
#include "bank/text_rules.h"
#include "drill/missed_list.h"
#include "drill/topic_catalogue.h"
#include "main_window/frm_theo.h"
#include "widgets/click_label.h"
#include "widgets/data_control.h"
#include "widgets/dialogs.h"

#include <QComboBox>
#include <QLineEdit>

void FrmTheo::Combo1_Click() {
    Combo1_DblClick();
    // The focus leaves the box for the question, so the next key answers it rather
    // than adding to the topic's name.
    Label13->setFocus(Qt::OtherFocusReason);
}

void FrmTheo::Combo1_LostFocus() {
    // A text that names no topic (a key meant as an answer, say) gives way to the
    // current question's topic again. A topic's name stays: typed, it jumps nowhere.
    if (Combo1->findText(Combo1->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0)
        return;
    if (const auto topic = TopicCatalogue::nameForCode(trimSpaces(Text1->text()).left(2)))
        Combo1->setEditText(*topic);
}

void FrmTheo::Combo2_Click() {
    // A number chosen from the missed list is gone to as Search goes to it; the list
    // keeps its entries and the box its caption.
    const QString number = trimSpaces(Combo2->itemText(Combo2->currentIndex()));
    Combo2->setEditText(missedListCaption);
    if (!number.isEmpty())
        Command7_NewItem(number);
    Label13->setFocus(Qt::OtherFocusReason);
}

void FrmTheo::Combo1_DblClick() {
    // The pool letter is the first character of the number as it stands, untrimmed
    // and case-sensitive: a number the catalogue does not know finds no start code
    // and the number jump below reports it.
    QString startCode;
    const QString number = Text1->text();
    const QString poolLetters = QStringLiteral("GAENT");
    if (!number.isEmpty() && poolLetters.contains(number.at(0))) {
        const std::optional<QString> code =
            TopicCatalogue::startCode(number.at(0), Combo1->currentText());
        if (!code) {
            m_dialogs.message(
                this,
                QStringLiteral("Unexpected Case in Group Selection. Please call the Engineer."));
            return;
        }
        startCode = *code;
    }
    Command7_NewItem(startCode);
}

void FrmTheo::Command7_NewItem(const QString& number) {
    RecordSource& pool = Data1->recordset();
    if (!reportBankStatus(
            pool.findFirst(QStringLiteral("GNumber = '") + number + QLatin1Char('\''))))
        return;
    if (!pool.noMatch())
        return;
    // A bank made by the bank builder records the numbers its pool withdrew; a bank
    // without that record (or one that cannot be read for it) gets the plain message.
    BankInfo info;
    bool recorded = false;
    const bool withdrawn =
        BankInfo::read(workingFile(BankSchema::fileName), &info, &recorded).ok() &&
        info.withdrew(number);
    m_dialogs.message(this, withdrawn ? QStringLiteral("Question %1 was withdrawn from the "
                                                       "question pool; the question bank does "
                                                       "not hold it.")
                                            .arg(number.toUpper())
                                      : QStringLiteral("No record matches that serial number"));
}
