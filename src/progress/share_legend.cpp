// Drawing the key to the shares bars.
// SPDX-License-Identifier: MIT
#include "progress/share_legend.h"

#include "progress/share_bar_delegate.h"

#include <QPainter>

ShareLegend::ShareLegend(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Bars: known filled, learning hatched, new empty"));
}

void ShareLegend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const struct {
        ShareBarDelegate::Part part;
        QString name;
    } parts[] = {{ShareBarDelegate::Part::Known, QStringLiteral("Known")},
                 {ShareBarDelegate::Part::Learning, QStringLiteral("Learning")},
                 {ShareBarDelegate::Part::New, QStringLiteral("New")}};
    const QFontMetrics metrics(font());
    const int side = std::min(height() - 2, metrics.height());
    const int gap = metrics.horizontalAdvance(QLatin1Char(' '));
    // Right-aligned, so the key ends where the table does.
    int width = 0;
    for (const auto& p : parts)
        width += side + gap + metrics.horizontalAdvance(p.name) + 3 * gap;
    int x = std::max(0, this->width() - width + 3 * gap);
    const int top = (height() - side) / 2;
    painter.setPen(palette().color(QPalette::WindowText));
    for (const auto& p : parts) {
        ShareBarDelegate::paintSwatch(painter, QRect(x, top, side, side), palette(), p.part);
        x += side + gap;
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(x, 0, metrics.horizontalAdvance(p.name) + gap, height()),
                         Qt::AlignLeft | Qt::AlignVCenter, p.name);
        x += metrics.horizontalAdvance(p.name) + 3 * gap;
    }
}
