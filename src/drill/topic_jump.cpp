// FrmTheo's handlers for topic and number jumps: a choice from the topic list and going to a
// question by its number.
// SPDX-License-Identifier: MIT
#include "drill/topic_catalogue.h"
#include "main_window/frm_theo.h"
#include "widgets/data_control.h"
#include "widgets/dialogs.h"

#include <QComboBox>
#include <QLineEdit>

void FrmTheo::Combo1_Click() {
    Combo1_DblClick();
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
    if (pool.noMatch())
        m_dialogs.message(this, QStringLiteral("No record matches that serial number"));
}
