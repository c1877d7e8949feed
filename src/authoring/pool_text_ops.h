// The text operations of the pool import on 1-based 16-bit positions, each failing as an empty
// optional when it leaves that range.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_AUTHORING_POOL_TEXT_OPS_H
#define VARNEL_AUTHORING_POOL_TEXT_OPS_H

#include <QString>
#include <QtGlobal>
#include <optional>

// The text operations of the pool import. Positions are 1-based and held in 16-bit
// signed integers, as the import's variables are; every result that leaves that
// range is a failure (an empty optional), and the import stops at the first one.
namespace PoolTextOps {

// a + b, or a failure when the sum leaves -32768..32767.
std::optional<qint16> add(qint16 a, qint16 b);
// a - b, or a failure when the difference leaves -32768..32767.
std::optional<qint16> subtract(qint16 a, qint16 b);

// The position of the first occurrence of marker at or after from, 0 when there is
// none (also when from lies beyond the end). Letter case counts. A from below 1,
// or an occurrence beyond 32767, is a failure.
std::optional<qint16> find(const QString& text, const QString& marker, qint16 from);

// Up to length characters from start on; fewer when the text ends sooner, none when
// start lies beyond the end. A start below 1 or a negative length is a failure.
std::optional<QString> mid(const QString& text, qint16 start, qint16 length);

// The characters from start to end inclusive (end - start + 1 of them), with the
// failures of mid() and of the 16-bit length.
std::optional<QString> cut(const QString& text, qint16 start, qint16 end);

// The number at the start of text: spaces, tabs and line feeds are skipped, reading
// stops at the first character that cannot continue the number, and no number is 0.
// Knows a sign, a decimal point and an exponent (E or D).
double readNumber(const QString& text);

// A number as the import writes it into a text box: 2 gives "2", 1.5 gives "1.5".
QString numberText(double value);

} // namespace PoolTextOps

#endif
