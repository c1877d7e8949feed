// Twips (1440 to the inch, 15 to a logical pixel): conversion and placing controls at positions
// given in twips.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_TWIPS_H
#define VARNEL_WIDGETS_TWIPS_H

#include "widgets/twip_scale.h"

#include <QRect>
#include <QWidget>
#include <cmath>

// Placing controls by twips, at the scale of twip_scale.h.
namespace twips {

inline int toPixels(int twips) {
    return static_cast<int>(std::lround(twips / double(perPixel)));
}
inline int fromPixels(int pixels) {
    return pixels * perPixel;
}
inline QRect rect(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}
// Places a control at a position given in twips, relative to its container.
inline void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(rect(left, top, width, height));
}

inline int left(const QWidget* w) {
    return fromPixels(w->x());
}
inline int top(const QWidget* w) {
    return fromPixels(w->y());
}
inline int width(const QWidget* w) {
    return fromPixels(w->width());
}
inline int height(const QWidget* w) {
    return fromPixels(w->height());
}
inline void setLeft(QWidget* w, int t) {
    w->move(toPixels(t), w->y());
}
inline void setTop(QWidget* w, int t) {
    w->move(w->x(), toPixels(t));
}
inline void setWidth(QWidget* w, int t) {
    w->resize(toPixels(t), w->height());
}
inline void setHeight(QWidget* w, int t) {
    w->resize(w->width(), toPixels(t));
}

} // namespace twips

#endif
