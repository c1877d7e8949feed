// The rule by which a field label fits a long text into the box it is given.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_TEXT_FIT_H
#define VARNEL_WIDGETS_TEXT_FIT_H

#include <QFont>
#include <QSize>
#include <QString>

class QPaintDevice;

// A label keeps its size; a text that does not fit it at the design font is drawn
// smaller, and only when even the smallest size is too large, cut short.
namespace TextFit {

// The smallest point size a text is drawn at; below it a text is cut short instead.
inline constexpr double smallestPoints = 6.5;
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

// The design size when the text fits at it; else the largest half-point size below it,
// down to smallestPoints, at which it fits; else the longest beginning that fits at
// smallestPoints with the ellipsis after it, cut at a word where one is near.
Fit fitInBox(const QString& text, const QFont& designFont, const QSize& box, int flags,
             const QPaintDevice* device = nullptr);

} // namespace TextFit

#endif
