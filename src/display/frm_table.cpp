#include "display/frm_table.h"

#include <QTextEdit>

FrmTable::FrmTable(const QString& rtfPath, QWidget* parent) : QWidget(parent) {
    Q_UNUSED(rtfPath);
    setObjectName(QStringLiteral("frmTable"));
    setWindowTitle(QStringLiteral("Use This Table"));
    RichTextBox1 = new QTextEdit(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
}
