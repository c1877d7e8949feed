// The places beside a window, tried in turn, and the one that covers least.
// SPDX-License-Identifier: MIT
#include "main_window/window_placement.h"

#include <algorithm>
#include <array>

namespace WindowPlacement {

namespace {

constexpr int gap = 8;

// Moves a box of size into the screen, as far as it is smaller than the screen.
QPoint inside(QPoint at, const QSize& size, const QRect& screen) {
    at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - size.width())));
    at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - size.height())));
    return at;
}

std::array<QPoint, 4> around(const QRect& r, const QSize& size) {
    return {{{r.right() + 1 + gap, r.top()},
             {r.left() - gap - size.width(), r.top()},
             {r.left(), r.bottom() + 1 + gap},
             {r.left(), r.top() - gap - size.height()}}};
}

qint64 covered(const QRect& a, const QRect& b) {
    const QRect both = a & b;
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

} // namespace

QPoint beside(const QRect& window, const QRect& keepClear, const QSize& size, const QRect& screen) {
    for (const QRect& clear : {window, keepClear})
        for (const QPoint& at : around(clear, size)) {
            const QPoint placed = inside(at, size, screen);
            if (covered(QRect(placed, size), clear) == 0 &&
                covered(QRect(placed, size), keepClear) == 0)
                return placed;
        }
    QPoint best = inside(around(keepClear, size)[0], size, screen);
    for (const QPoint& at : around(keepClear, size)) {
        const QPoint placed = inside(at, size, screen);
        if (covered(QRect(placed, size), keepClear) < covered(QRect(best, size), keepClear))
            best = placed;
    }
    return best;
}

} // namespace WindowPlacement
