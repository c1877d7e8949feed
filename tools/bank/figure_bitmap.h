// Turning a pool's published figure into a BMP no larger than 800 x 600 pixels, aspect kept, for
// the figure window.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_TOOLS_BANK_FIGURE_BITMAP_H
#define VARNEL_TOOLS_BANK_FIGURE_BITMAP_H

#include <QString>

// Turns a pool's published figure (PNG, JPEG …) into the bitmap the figure window
// loads: a BMP no larger than 800 x 600 pixels, aspect kept, so that it fits the
// window's picture box on a small screen.
namespace FigureBitmap {

inline constexpr int maxWidth = 800;
inline constexpr int maxHeight = 600;

// Writes out (atomically) from in; false with error set when either fails.
bool convert(const QString& in, const QString& out, QString* error);

} // namespace FigureBitmap

#endif
