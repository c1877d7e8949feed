// The figure catalogue's table: every question number with a figure, grouped by the bitmap it
// refers to.
// SPDX-License-Identifier: MIT
#include "display/figure_catalogue.h"

#include "bank/paper_reader.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace {

constexpr auto corner = FigureSizing::CornerPlacement;
constexpr auto fit = FigureSizing::FitToPicture;

struct Row {
    const char* number;
    const char* bitmapFile;
    FigureSizing sizing;
};

// Grouped by bitmap; every question number stands in exactly one row.
constexpr std::array<Row, 64> rows{{
    {"E5H01", "A5-1.bmp", fit},
    {"E5H02", "A5-1.bmp", fit},
    {"E5H03", "A5-1.bmp", fit},
    {"E5H04", "A5-1.bmp", fit},
    {"E5H05", "A5-1.bmp", fit},
    {"E5H06", "A5-1.bmp", fit},
    {"E5H07", "A5-1.bmp", fit},
    {"E5H08", "A5-1.bmp", fit},
    {"E5H09", "A5-1.bmp", fit},
    {"E5H10", "A5-1.bmp", fit},
    {"E6B05", "A6-1.bmp", fit},
    {"E6B06", "A6-1.bmp", fit},
    {"E6A07", "A6-2.bmp", corner},
    {"E6A09", "A6-2.bmp", corner},
    {"E7B09", "A7-1.bmp", corner},
    {"E7B10", "A7-1.bmp", corner},
    {"E7B11", "A7-1.bmp", corner},
    {"E7B12", "A7-2.bmp", corner},
    {"E7B13", "A7-2.bmp", corner},
    {"E7B14", "A7-3.bmp", corner},
    {"E7B15", "A7-3.bmp", corner},
    {"E7B16", "A7-3.bmp", corner},
    {"E9B02", "A9-1.bmp", corner},
    {"E9B03", "A9-1.bmp", corner},
    {"E9B04", "A9-1.bmp", corner},
    {"E9B11", "A9-1.bmp", corner},
    {"E9C11", "A9-2.bmp", corner},
    {"E9C14", "A9-2.bmp", corner},
    {"E9C15", "A9-2.bmp", corner},
    {"E5C05", "E5-1.bmp", corner},
    {"E5C06", "E5-1.bmp", corner},
    {"E5C07", "E5-1.bmp", corner},
    {"E5C12", "E5-2.bmp", corner},
    {"E6A13", "E6-1.bmp", corner},
    {"E6A14", "E6-1.bmp", corner},
    {"E6C07", "E6-2.bmp", corner},
    {"E6C08", "E6-2.bmp", corner},
    {"E6C09", "E6-2.bmp", corner},
    {"E6C10", "E6-2.bmp", corner},
    {"E6C11", "E6-2.bmp", corner},
    {"E6B12", "E7-1.bmp", corner},
    {"E6B15", "E7-1.bmp", corner},
    {"T6A06", "N6-1.bmp", corner},
    {"T6A08", "N6-1.bmp", corner},
    {"T6B04", "N6-1.bmp", corner},
    {"T6A04", "N6-2.bmp", corner},
    {"T6B05", "N6-3.bmp", corner},
    {"T7A05", "N7-1.bmp", corner},
    {"T7A06", "N7-1.bmp", corner},
    {"T7A07", "N7-2.bmp", corner},
    {"T7A08", "N7-3.bmp", corner},
    {"T6A02", "T6-1.bmp", corner},
    {"T6B06", "T6-2.bmp", corner},
    {"T6B07", "T6-2.bmp", corner},
    {"T7B02", "T7-1.bmp", corner},
    {"T7B03", "T7-1.bmp", corner},
    {"T7B04", "T7-2.bmp", corner},
    {"T7B05", "T7-2.bmp", corner},
    {"T7B06", "T7-3.bmp", corner},
    // The General pool's one figure, without which its five questions ask about a
    // drawing nobody can see.
    {"G7A09", "G7-1.bmp", corner},
    {"G7A10", "G7-1.bmp", corner},
    {"G7A11", "G7-1.bmp", corner},
    {"G7A12", "G7-1.bmp", corner},
    {"G7A13", "G7-1.bmp", corner},
}};

} // namespace

std::optional<FigureEntry> FigureCatalogue::lookup(const QString& number) {
    // 64 short strings: a straight scan costs less than building a hash would save.
    for (const Row& row : rows)
        if (number == QLatin1String(row.number))
            return FigureEntry{QString::fromLatin1(row.bitmapFile), row.sizing};
    return std::nullopt;
}

QStringList FigureCatalogue::numbers() {
    QStringList all;
    for (const Row& row : rows)
        all << QString::fromLatin1(row.number);
    return all;
}

QStringList FigureCatalogue::bitmapFiles() {
    QStringList all;
    for (const Row& row : rows)
        if (all.isEmpty() || all.last() != QLatin1String(row.bitmapFile))
            all << QString::fromLatin1(row.bitmapFile);
    return all;
}

std::optional<QString> FigureCatalogue::bitmapNamedIn(const QString& questionText) {
    // A figure name is a capital, an optional subelement digit, a hyphen of any kind
    // (the pools also write U+2010, U+2011 and the en dash) and a number: "T-1", "E9-3".
    static const QRegularExpression named(
        QStringLiteral("\\b(?:figure|circuit in)\\s+([A-Z][0-9]?)[-\\x{2010}\\x{2011}\\x{2013}]"
                       "([0-9]{1,2})\\b"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = named.match(questionText);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toUpper() + QLatin1Char('-') + match.captured(2) +
           QStringLiteral(".bmp");
}

bool FigureCatalogue::poolNamesFigures(const QStringList& questionTexts) {
    return std::any_of(questionTexts.cbegin(), questionTexts.cend(),
                       [](const QString& text) { return bitmapNamedIn(text).has_value(); });
}

std::optional<FigureEntry>
FigureCatalogue::figureFor(const QString& number, const QString& questionText,
                           const std::function<bool()>& bankNamesFigures) {
    const std::optional<FigureEntry> row = lookup(number);
    if (const std::optional<QString> named = bitmapNamedIn(questionText)) {
        if (row && row->bitmapFile == *named)
            return row;
        return FigureEntry{*named, FigureSizing::CornerPlacement};
    }
    if (row && !bankNamesFigures())
        return row;
    return std::nullopt;
}

bool FigureCatalogue::bankNamesFigures(const QString& bankFile) {
    PaperReader reader(bankFile);
    QStringList stems;
    return reader.open().ok() && reader.figureStems(stems).ok() && poolNamesFigures(stems);
}
