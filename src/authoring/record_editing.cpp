#include "main_window/frm_theo.h"

void FrmTheo::Command1_Click() {}
void FrmTheo::Command2_Click() {}
void FrmTheo::Command5_Click() {}
void FrmTheo::Command6_Click() {}
void FrmTheo::Command10_Click() {}
