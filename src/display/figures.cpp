#include "display/frm_picture.h"
#include "display/frm_table.h"
#include "main_window/frm_theo.h"

void FrmTheo::FigureLookup(const QString& number) {
    Q_UNUSED(number);
}

void FrmTheo::Command11_Click() {}

FrmPicture* FrmTheo::frmPicture() {
    return static_cast<FrmPicture*>(m_frmPicture.get());
}
FrmTable* FrmTheo::frmTable() {
    return static_cast<FrmTable*>(m_frmTable.get());
}
FrmPicture* FrmTheo::existingFrmPicture() const {
    return static_cast<FrmPicture*>(m_frmPicture.existing());
}
FrmTable* FrmTheo::existingFrmTable() const {
    return static_cast<FrmTable*>(m_frmTable.existing());
}
