#include "main_window/frm_theo.h"

void FrmTheo::Label8_Click() {
    Text5_Click();
}
void FrmTheo::Label9_Click() {
    Text6_Click();
}
void FrmTheo::Label10_Click() {
    Text7_Click();
}
void FrmTheo::Label11_Click() {
    Text8_Click();
}
void FrmTheo::Text5_Click() {
    checkAnswer(1);
}
void FrmTheo::Text6_Click() {
    checkAnswer(2);
}
void FrmTheo::Text7_Click() {
    checkAnswer(3);
}
void FrmTheo::Text8_Click() {
    checkAnswer(4);
}
void FrmTheo::checkAnswer(int answerValue) {
    Q_UNUSED(answerValue);
}
void FrmTheo::Option1_Click() {
    Text4_Change();
}
void FrmTheo::Option2_Click() {
    Text4_Change();
}
void FrmTheo::Text4_Change() {}
