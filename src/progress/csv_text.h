// CSV as spreadsheets write and read it: quoting one field, and cutting a text into rows of fields.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_PROGRESS_CSV_TEXT_H
#define VARNEL_PROGRESS_CSV_TEXT_H

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

// Comma-separated values in the common form spreadsheets read and write: a field
// with a comma, a quote or a line break is quoted, a quote inside doubled.
namespace CsvText {

// The field as written in a row: quoted only when it has to be.
QString field(const QString& text);
// A row of fields joined by commas, ended by CR LF as the common form asks.
QString row(const QStringList& fields);
// Cuts a text into rows of fields. A quoted field may hold commas, doubled quotes
// and line breaks; CR LF, LF and CR all end a row; a leading byte-order mark is
// dropped; empty fields at the end of a row (a spreadsheet pads its rows) are
// dropped, so a row of only empty fields is empty.
QVector<QStringList> rows(QStringView text);

} // namespace CsvText

#endif
