// The table window: NTO-1.rtf read into a read-only text view when the window is created.
// SPDX-License-Identifier: MIT
#include "display/frm_table.h"

#include "display/readable_text_view.h"
#include "display/rtf_reader.h"
#include "widgets/fonts.h"
#include "widgets/program_identity.h"
#include "widgets/twips.h"

#include <QKeyEvent>
#include <QTextEdit>

FrmTable::FrmTable(const QString& rtfPath, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmTable"));
    setWindowTitle(QStringLiteral("Use This Table"));
    setWindowIcon(programIcon());
    setFont(msSansSerif(defaultFontPoints));

    // Screen readers hear the table's cells apart, not run together.
    RichTextBox1 = new ReadableTextView(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setAccessibleName(QStringLiteral("Table"));
    RichTextBox1->setReadOnly(true);
    RichTextBox1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    twips::place(RichTextBox1, 120, 240, 8655, 4575);
    RtfReader::loadFile(*RichTextBox1->document(), rtfPath);
    // Loading leaves the caret after the text; the table is read from its top.
    RichTextBox1->moveCursor(QTextCursor::Start);

    // A fixed border: the client area keeps its design size. Where the window first
    // appears is left to the window system.
    setFixedSize(twips::toPixels(8955), twips::toPixels(4845));
}

void FrmTable::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        hide();
    else
        QWidget::keyPressEvent(event);
}
