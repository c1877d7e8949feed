#include "main_window/frm_theo.h"

void FrmTheo::Combo1_Click() {
    Combo1_DblClick();
}
void FrmTheo::Combo1_DblClick() {}
void FrmTheo::Command7_NewItem(const QString& number) {
    Q_UNUSED(number);
}
