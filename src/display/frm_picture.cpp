#include "display/frm_picture.h"

#include <QLabel>
#include <QPushButton>

FrmPicture::FrmPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmPicture"));
    setWindowTitle(QStringLiteral("Use This Picture"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &FrmPicture::Command1_Click);
}

void FrmPicture::Command1_Click() {
    hide();
}
