// FrmTheo's handlers for the About box: the Help menu item and the one box it opens.
// SPDX-License-Identifier: MIT
#include "about/frm_about.h"
#include "main_window/frm_theo.h"

void FrmTheo::mnuHelpAbout_Click() {
    // Modeless and without an owner: the main window stays usable, and the box is a
    // top-level of its own. Asking again only brings the one box to the front.
    FrmAbout* box = frmAbout();
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
