// FrmTheo's handlers for record editing and search: New, Update, Delete, Search and the new record
// pending between them.
// SPDX-License-Identifier: MIT
#include "bank/text_rules.h"
#include "main_window/frm_theo.h"
#include "widgets/data_control.h"
#include "widgets/dialogs.h"

#include <QPushButton>

// Whether a new record is pending is shown by the two buttons: New disabled and
// Update enabled while it is. The pool import reads New's flag as that state.

BankStatus FrmTheo::startNewRecord() {
    RecordSource& pool = Data1->recordset();
    if (pool.isNewPending())
        return BankStatus::failure(QStringLiteral("a new record is already waiting to be saved"));
    if (!pool.hasCurrentRow())
        return BankStatus::failure(
            QStringLiteral("there is no current record to start a new one from"));
    // One step back and one forward: whatever was typed into the current record is
    // written back on leaving it, and the record is current again.
    if (BankStatus s = pool.movePrevious(); !s)
        return s;
    if (BankStatus s = pool.moveNext(); !s)
        return s;
    if (BankStatus s = pool.moveLast(); !s)
        return s;
    if (BankStatus s = pool.addNew(); !s)
        return s;
    // The validate step can keep the current record (a note that cannot be saved yet);
    // then no new record was started, and nothing may be typed as if it had been.
    if (!pool.isNewPending())
        return BankStatus::failure(QStringLiteral("the current record could not be left"));
    Command2->setEnabled(true);
    Command1->setEnabled(false);
    return BankStatus::success();
}

BankStatus FrmTheo::saveNewRecord() {
    RecordSource& pool = Data1->recordset();
    if (!pool.isNewPending()) {
        // The buttons may still say a record is pending when the record was saved or
        // dropped by moving away from it; there is none, so they say so again.
        Command1->setEnabled(true);
        Command2->setEnabled(false);
        return BankStatus::failure(QStringLiteral("there is no new record waiting to be saved"));
    }
    // A refused save keeps the pending record and its texts, and the buttons as
    // they are, so the same Update can be tried again.
    if (BankStatus s = pool.update(); !s)
        return s;
    if (pool.isNewPending()) // the validate step kept it (a note that cannot be saved yet)
        return BankStatus::failure(QStringLiteral("the new record was not saved"));
    const BankStatus moved = pool.moveLast();
    Command1->setEnabled(true);
    Command2->setEnabled(false);
    return moved;
}

void FrmTheo::Command1_Click() {
    reportBankStatus(startNewRecord());
}

void FrmTheo::Command2_Click() {
    reportBankStatus(saveNewRecord());
}

void FrmTheo::Command5_Click() {
    RecordSource& pool = Data1->recordset();
    if (!reportBankStatus(pool.deleteCurrent()))
        return;
    if (!reportBankStatus(pool.refresh()))
        return;
    reportBankStatus(pool.moveLast());
}

void FrmTheo::Command6_Click() {
    const QString number = trimSpaces(
        m_dialogs.inputBox(this, QStringLiteral("Enter Question Number To Search For"), QString()));
    if (number.isEmpty())
        return;
    // The same jump as a topic's: the typed text goes into the criterion as it
    // stands, and the record source reads it as a value, never as SQL.
    Command7_NewItem(number);
}

void FrmTheo::Command10_Click() {}
