#include "about/frm_about.h"

FrmAbout::FrmAbout(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral(" About Varnel Theory"));
}
