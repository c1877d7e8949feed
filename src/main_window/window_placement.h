// Where a window opens beside another without covering what the learner reads there.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_MAIN_WINDOW_WINDOW_PLACEMENT_H
#define VARNEL_MAIN_WINDOW_WINDOW_PLACEMENT_H

#include <QPoint>
#include <QRect>
#include <QSize>

// A window that opens from another goes beside it, inside the screen: to its right,
// else its left, else below, else above. Where the screen has no room beside the
// whole window, it goes beside the part that must stay readable (the answers, the
// question), and where even that is impossible, wherever it covers least of that part.
namespace WindowPlacement {

// The top-left corner, frame included, for a window of outer size `size`.
QPoint beside(const QRect& window, const QRect& keepClear, const QSize& size, const QRect& screen);

} // namespace WindowPlacement

#endif
