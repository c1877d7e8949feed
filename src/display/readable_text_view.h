// ReadableTextView: a read-only rich-text view whose tables a screen reader reads cell by cell.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_DISPLAY_READABLE_TEXT_VIEW_H
#define VARNEL_DISPLAY_READABLE_TEXT_VIEW_H

#include <QTextEdit>

// A read-only QTextEdit that offers screen readers its text with tabs between a table's
// cells and line ends between its rows (ReadableText), at the offsets of its caret.
class ReadableTextView : public QTextEdit {
    Q_OBJECT
public:
    explicit ReadableTextView(QWidget* parent = nullptr);
};

#endif
