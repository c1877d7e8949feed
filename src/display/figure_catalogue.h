// The figure catalogue: the fixed table from question numbers to the figure bitmaps they refer to
// and their sizing.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_DISPLAY_FIGURE_CATALOGUE_H
#define VARNEL_DISPLAY_FIGURE_CATALOGUE_H

#include <QString>
#include <QStringList>
#include <optional>

// How the figure window is arranged before a figure is loaded into it.
enum class FigureSizing {
    CornerPlacement, // moved so its bottom-right corner lies 250 twips inside the screen's
    FitToPicture,    // resized from the width of the picture shown before
};

// One row of the figure catalogue: the bitmap a question refers to and its sizing.
struct FigureEntry {
    QString bitmapFile; // bare file name in the working folder, such as "A5-1.bmp"
    FigureSizing sizing;
};

// The fixed table from question numbers to the figure bitmaps they refer to.
namespace FigureCatalogue {

// The row for a question number, compared exactly and case-sensitively; none when
// the question has no figure.
std::optional<FigureEntry> lookup(const QString& number);
// Every question number of the catalogue, in catalogue order.
QStringList numbers();
// Every bitmap file of the catalogue, once each, in catalogue order.
QStringList bitmapFiles();

} // namespace FigureCatalogue

#endif
