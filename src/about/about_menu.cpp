// FrmTheo's handlers for the About box: the Help menu item and the one box it opens.
// SPDX-License-Identifier: MIT
#include "about/frm_about.h"
#include "bank/bank_info.h"
#include "bank/bank_schema.h"
#include "main_window/frm_theo.h"

#include <QLabel>

void FrmTheo::mnuHelpAbout_Click() {
    // Modeless and without an owner: the main window stays usable, and the box is a
    // top-level of its own. Asking again only brings the one box to the front.
    FrmAbout* box = frmAbout();
    // The pool's dates as the bank builder recorded them; a bank without the record
    // names only the exam.
    BankInfo info;
    bool found = false;
    if (!BankInfo::read(workingFile(BankSchema::fileName), &info, &found))
        info = BankInfo();
    box->Label2->setText(Examinations::aboutLine(examination(), info.validFrom, info.validUntil));
    box->show();
    box->raise();
    box->activateWindow();
}

FrmAbout* FrmTheo::createFrmAbout() {
    return new FrmAbout;
}

FrmAbout* FrmTheo::frmAbout() {
    return m_frmAbout.get();
}
FrmAbout* FrmTheo::existingFrmAbout() const {
    return m_frmAbout.existing();
}
