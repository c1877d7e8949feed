// Turning a pool's published figure into a BMP that fits the figure window's picture box, its
// white margin trimmed and its proportions kept.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_TOOLS_BANK_FIGURE_BITMAP_H
#define VARNEL_TOOLS_BANK_FIGURE_BITMAP_H

#include <QString>

// Turns a pool's published figure (PNG, JPEG …) into the bitmap the figure window
// loads. The window shows a bitmap at its natural size from its top-left corner, in a
// picture box of 8822 x 5400 twips (15 twips to the pixel at the design size); what
// lies beyond the box is cut off by the window or hidden under its OK button. So a
// figure that does not fit loses its white margin and is scaled down, proportions
// kept, until it fits; one that fits is written as it is, never scaled up.
namespace FigureBitmap {

inline constexpr int boxWidth = 8822 / 15;
inline constexpr int boxHeight = 5400 / 15;
// White kept around a trimmed drawing, so that it does not touch the window's edge.
inline constexpr int margin = 6;

// Writes out (atomically) from in; false with error set when either fails.
bool convert(const QString& in, const QString& out, QString* error);

} // namespace FigureBitmap

#endif
