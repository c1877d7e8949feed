#include "about/frm_about.h"
#include "main_window/frm_theo.h"

void FrmTheo::mnuHelpAbout_Click() {}

FrmAbout* FrmTheo::frmAbout() {
    return static_cast<FrmAbout*>(m_frmAbout.get());
}
FrmAbout* FrmTheo::existingFrmAbout() const {
    return static_cast<FrmAbout*>(m_frmAbout.existing());
}
