// The figure catalogue: the fixed table from question numbers to the figure bitmaps they refer to
// and their sizing.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_DISPLAY_FIGURE_CATALOGUE_H
#define VARNEL_DISPLAY_FIGURE_CATALOGUE_H

#include <QString>
#include <QStringList>
#include <functional>
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
// The figure a question's text names, as "Figure E7-3" or "figure T-1" (any hyphen,
// also the non-breaking one) or "the circuit in E7-3": its bitmap file ("E7-3.bmp");
// none when the text names no figure.
std::optional<QString> bitmapNamedIn(const QString& questionText);
// Whether a pool names its figures in its questions' text, as every current pool
// does, from the texts that speak of a figure or a circuit.
bool poolNamesFigures(const QStringList& questionTexts);
// The figure of a question: the one its text names, so a bank built from any pool
// shows its own figures. A text that names none has the catalogue's row only in a
// bank whose pool names no figure in its text (the older pools the catalogue was
// made for): a current question that happens to share an older number has no figure.
// bankNamesFigures is asked only then. A text that names the catalogue's bitmap keeps
// the row's sizing; any other named figure is placed in the corner.
std::optional<FigureEntry> figureFor(const QString& number, const QString& questionText,
                                     const std::function<bool()>& bankNamesFigures);
// Whether the pool of the bank file names its figures in its text. A bank that
// cannot be read is taken for an older one; the question change tells its failures.
bool bankNamesFigures(const QString& bankFile);
// Every question number of the catalogue, in catalogue order.
QStringList numbers();
// Every bitmap file of the catalogue, once each, in catalogue order.
QStringList bitmapFiles();

} // namespace FigureCatalogue

#endif
