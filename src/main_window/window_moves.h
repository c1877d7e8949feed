// Bringing an auxiliary window back to the learner and opening it beside the window it came from.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_MAIN_WINDOW_WINDOW_MOVES_H
#define VARNEL_MAIN_WINDOW_WINDOW_MOVES_H

#include <QRect>
#include <initializer_list>

class QWidget;

namespace WindowMoves {

// Shows the window, restored when it was minimised, raised above the others and active.
void bringBack(QWidget* window);
// Moves a window that is about to be shown beside owner, inside owner's screen, not
// over keepClear (global coordinates; the part of owner that must stay readable).
// Until the window has been shown, its frame is taken to be like owner's.
void placeBeside(QWidget* window, const QWidget* owner, const QRect& keepClear);
// The global rectangle that holds all of these controls.
QRect globalArea(std::initializer_list<const QWidget*> controls);

} // namespace WindowMoves

#endif
