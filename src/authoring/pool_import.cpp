#include "main_window/frm_theo.h"

void FrmTheo::Command3_Click() {}
void FrmTheo::Command4_Click() {}
void FrmTheo::Command9_Click() {
    m_shared.TransferFlag = flagTrue;
}
