// Restoring and raising a window; placing a new one beside its owner by the placement rule.
// SPDX-License-Identifier: MIT
#include "main_window/window_moves.h"

#include "main_window/window_placement.h"

#include <QScreen>
#include <QWidget>

namespace WindowMoves {

void bringBack(QWidget* window) {
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

void placeBeside(QWidget* window, const QWidget* owner, const QRect& keepClear) {
    const QScreen* screen = owner->screen();
    if (!screen)
        return;
    const QSize frame = owner->frameGeometry().size() - owner->geometry().size();
    const QSize outer = window->size() + frame;
    window->move(WindowPlacement::beside(owner->frameGeometry(), keepClear, outer,
                                         screen->availableGeometry()));
}

QRect globalArea(std::initializer_list<const QWidget*> controls) {
    QRect area;
    for (const QWidget* control : controls)
        area |= QRect(control->mapToGlobal(QPoint(0, 0)), control->size());
    return area;
}

} // namespace WindowMoves
