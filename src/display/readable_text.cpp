// The text of a rich-text document as a screen reader should hear it.
// SPDX-License-Identifier: MIT
#include "display/readable_text.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace ReadableText {

QString of(const QTextDocument& document) {
    // The last position is the document's closing paragraph mark, which no text has.
    const int length = document.characterCount() - 1;
    QString text(length, QChar());
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    for (int position = 0; position < length; ++position) {
        const QChar mark = document.characterAt(position);
        QChar shown = mark;
        if (mark == QChar(0xfdd0) || mark == QChar(0xfdd1) || mark == QChar::ParagraphSeparator ||
            mark == QChar::LineSeparator) {
            // A cell mark stands before the cell it begins: at a row's first cell, a line end.
            cursor.setPosition(position + 1);
            const QTextTable* next = mark == QChar(0xfdd0) ? cursor.currentTable() : nullptr;
            cursor.setPosition(position);
            const bool inCell = mark != QChar(0xfdd1) && cursor.currentTable();
            if (next)
                shown = next->cellAt(position + 1).column() == 0 ? QLatin1Char('\n')
                                                                 : QLatin1Char('\t');
            else
                shown = inCell ? QLatin1Char(' ') : QLatin1Char('\n');
        }
        text[position] = shown;
    }
    return text;
}

} // namespace ReadableText
