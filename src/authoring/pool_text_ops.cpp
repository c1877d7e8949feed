// The text operations of the pool import: 16-bit position arithmetic, find, mid and cut, and number
// reading and writing.
// SPDX-License-Identifier: MIT
#include "authoring/pool_text_ops.h"

#include <limits>

namespace PoolTextOps {

namespace {

std::optional<qint16> narrow(qint64 value) {
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(value);
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

std::optional<qint16> add(qint16 a, qint16 b) {
    return narrow(qint64(a) + qint64(b));
}

std::optional<qint16> subtract(qint16 a, qint16 b) {
    return narrow(qint64(a) - qint64(b));
}

std::optional<qint16> find(const QString& text, const QString& marker, qint16 from) {
    if (from < 1)
        return std::nullopt;
    if (from > text.size())
        return qint16(0);
    const qsizetype index = text.indexOf(marker, from - 1, Qt::CaseSensitive);
    if (index < 0)
        return qint16(0);
    return narrow(qint64(index) + 1);
}

std::optional<QString> mid(const QString& text, qint16 start, qint16 length) {
    if (start < 1 || length < 0)
        return std::nullopt;
    if (start > text.size())
        return QString(QLatin1String(""));
    return text.mid(start - 1, length);
}

std::optional<QString> cut(const QString& text, qint16 start, qint16 end) {
    const std::optional<qint16> span = subtract(end, start);
    if (!span)
        return std::nullopt;
    const std::optional<qint16> length = add(*span, 1);
    if (!length)
        return std::nullopt;
    return mid(text, start, *length);
}

double readNumber(const QString& text) {
    // Blanks, tabs and line feeds are left out wherever they stand; a carriage
    // return is not among them and ends the number like any other character.
    QString s;
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            s += c;

    qsizetype i = 0;
    const qsizetype n = s.size();
    QString number;
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        number += s[i++];
    qsizetype digits = 0;
    while (i < n && isDigit(s[i])) {
        number += s[i++];
        ++digits;
    }
    if (i < n && s[i] == QLatin1Char('.')) {
        number += s[i++];
        while (i < n && isDigit(s[i])) {
            number += s[i++];
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    // An exponent counts only with at least one digit after its letter and sign.
    if (i < n && QStringLiteral("EeDd").contains(s[i])) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < n && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
            exponent += s[j++];
        const qsizetype firstDigit = j;
        while (j < n && isDigit(s[j]))
            exponent += s[j++];
        if (j > firstDigit)
            number += exponent;
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0;
}

QString numberText(double value) {
    if (value == 0)
        return QStringLiteral("0"); // never "-0"
    return QString::number(value, 'g', 15);
}

} // namespace PoolTextOps
