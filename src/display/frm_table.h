// The table window: the rich-text file NTO-1.rtf, which can be read, selected and copied but not
// changed.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_DISPLAY_FRM_TABLE_H
#define VARNEL_DISPLAY_FRM_TABLE_H

#include <QWidget>

class QTextEdit;

// The table window: the rich-text file NTO-1.rtf, loaded when the window is created.
// The text can be read, selected and copied but not changed, since nothing would
// keep a change. Esc puts it away, as OK does the figure window.
class FrmTable : public QWidget {
    Q_OBJECT
public:
    // A missing or unreadable file gives an empty box.
    explicit FrmTable(const QString& rtfPath, QWidget* parent = nullptr);

    QTextEdit* RichTextBox1;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

#endif
