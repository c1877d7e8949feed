// OutlineShape: painting the plain rectangle outline.
// SPDX-License-Identifier: MIT
#include "widgets/outline_shape.h"

#include <QPainter>

OutlineShape::OutlineShape(const QColor& borderColor, QWidget* parent)
    : QWidget(parent), m_color(borderColor) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void OutlineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(m_color);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
