// The text of a rich-text document as a screen reader should hear it, tables included.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_DISPLAY_READABLE_TEXT_H
#define VARNEL_DISPLAY_READABLE_TEXT_H

#include <QString>

class QTextDocument;

namespace ReadableText {

// The document's text, one character for each of its positions (so offsets stay those of
// its cursors): a table's cells separated by tabs, its rows and paragraphs ended by line
// ends; a paragraph or line break inside a cell is a space, so that a row stays one
// line. Qt would give the marks that begin and end cells (U+FDD0, U+FDD1) instead.
QString of(const QTextDocument& document);

} // namespace ReadableText

#endif
