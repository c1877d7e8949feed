// The rich-text reader: the subset of RTF that the table window's file needs, read into a
// QTextDocument.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_DISPLAY_RTF_READER_H
#define VARNEL_DISPLAY_RTF_READER_H

#include <QByteArray>
#include <QString>

class QTextDocument;

// Reads rich text (RTF) as a word processor writes it into a QTextDocument, for the
// table window. No packaged C++ library reads RTF, so this is the small subset that
// such files need: groups, control words and symbols, paragraphs, line breaks and
// tabs, \'hh characters in Windows-1252, \uN with its fallback skip, bold, italic,
// underline, strike-through, font size, paragraph alignment, and tables (\trowd,
// \cellx, \intbl, \cell, \row), which become QTextTable. Font, colour and style
// tables, document information, pictures, headers, footers, fields' instructions
// and every \* destination are skipped. Anything else is ignored.
//
// The reader never fails: malformed, truncated or hostile input yields whatever
// text could be read. It runs in one pass, in time linear in the input, without
// recursion; groups nested deeper than a fixed limit are skipped whole, numbers in
// control words are clamped to 32 bits, and a table row has at most 64 columns
// (further cells join the last one).
namespace RtfReader {

// Replaces the document's content with the text read from the RTF bytes.
void readInto(QTextDocument& document, const QByteArray& rtf);

// Replaces the document's content with the RTF file at path; a missing or
// unreadable file leaves the document empty. Returns whether the file was read.
bool loadFile(QTextDocument& document, const QString& path);

} // namespace RtfReader

#endif
