// The rule by which a field label fits a long text into the box it is given.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_TEXT_FIT_H
#define VARNEL_WIDGETS_TEXT_FIT_H

#include <QFont>
#include <QSize>
#include <QString>

class QPaintDevice;

// A label keeps its size (a choice may first take its row's whole height); a text that
// does not fit it at the design font is drawn smaller, and only when even the smallest
// size is too large, cut short.
namespace TextFit {

// The smallest point size a text is drawn at; below it a text is cut short instead.
// Nine pixels at 1x (96 dpi) are 6.75 points; the half point above is 7.
inline constexpr double smallestPoints = 7.0;
// What ends a text that is cut short.
inline constexpr char16_t ellipsis = u'\u2026';

struct Fit {
    double points = 0; // the point size to draw at
    QString text;      // what to draw: the whole text, or a cut ending in the ellipsis
    bool cut = false;  // whether text is less than the whole
};

// Whether text, drawn in font with the QPainter::drawText flags, stays inside box.
// device gives the resolution the text is measured at (the screen's when null).
bool fits(const QString& text, const QFont& font, const QSize& box, int flags,
          const QPaintDevice* device = nullptr);

// The height a box of the given size takes within a room of roomHeight below its top:
// its own when text fits it at the design font, else the room's, where the text wraps
// onto more lines before it is drawn smaller.
int heightToShow(const QString& text, const QFont& designFont, const QSize& box, int roomHeight,
                 int flags, const QPaintDevice* device = nullptr);

// The design size when the text fits at it; else the largest half-point size below it,
// down to smallestPoints, at which it fits; else the longest beginning that fits at
// smallestPoints with the ellipsis after it, cut at a word where one is near.
Fit fitInBox(const QString& text, const QFont& designFont, const QSize& box, int flags,
             const QPaintDevice* device = nullptr);

} // namespace TextFit

#endif
