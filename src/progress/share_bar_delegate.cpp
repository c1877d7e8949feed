// Drawing the shares bar: the parts' fills from the palette, the frame, and the sample swatches.
// SPDX-License-Identifier: MIT
#include "progress/share_bar_delegate.h"

#include <QPainter>
#include <QPalette>

namespace {

// Fills a part: known in the selection colour, learning in a paler mix of it with
// the base colour under hatching in it, new in the base colour.
void fillPart(QPainter& painter, const QRect& box, const QPalette& palette,
              ShareBarDelegate::Part part) {
    if (box.width() <= 0)
        return;
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    switch (part) {
    case ShareBarDelegate::Part::Known:
        painter.fillRect(box, highlight);
        return;
    case ShareBarDelegate::Part::Learning: {
        const auto mix = [](int a, int b) { return (a * 2 + b * 3) / 5; };
        painter.fillRect(box, QColor(mix(highlight.red(), base.red()),
                                     mix(highlight.green(), base.green()),
                                     mix(highlight.blue(), base.blue())));
        painter.fillRect(box, QBrush(highlight, Qt::BDiagPattern));
        return;
    }
    case ShareBarDelegate::Part::New:
        break;
    }
    painter.fillRect(box, base);
}

} // namespace

void ShareBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    // The cell's own background and focus as the style draws them, the bar above.
    QStyledItemDelegate::paint(painter, option, index);
    const QVariantList shares = index.data(sharesRole).toList();
    if (shares.size() != 3)
        return;
    const std::array<int, 3> counts{shares.at(0).toInt(), shares.at(1).toInt(),
                                    shares.at(2).toInt()};
    const int margin = std::max(2, option.rect.height() / 5);
    paintBar(*painter, option.rect.adjusted(margin, margin, -margin, -margin), option.palette,
             counts);
}

void ShareBarDelegate::paintBar(QPainter& painter, const QRect& box, const QPalette& palette,
                                const std::array<int, 3>& counts) {
    if (box.width() < 3 || box.height() < 3)
        return;
    painter.save();
    const int total = counts[0] + counts[1] + counts[2];
    const QRect inside = box.adjusted(1, 1, -1, -1);
    fillPart(painter, inside, palette, Part::New);
    if (total > 0) {
        // Known from the left, learning after it, new what remains: the bar fills up as
        // the learner gets on. Edges are rounded from the running sum, so the parts
        // always meet and end where the bar ends.
        const int knownEnd = inside.left() + inside.width() * counts[2] / total;
        const int learningEnd = inside.left() + inside.width() * (counts[2] + counts[1]) / total;
        painter.setBrushOrigin(inside.topLeft());
        fillPart(painter,
                 QRect(QPoint(inside.left(), inside.top()), QPoint(knownEnd - 1, inside.bottom())),
                 palette, Part::Known);
        fillPart(painter,
                 QRect(QPoint(knownEnd, inside.top()), QPoint(learningEnd - 1, inside.bottom())),
                 palette, Part::Learning);
    }
    painter.setPen(QPen(palette.color(QPalette::Active, QPalette::Text), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.restore();
}

void ShareBarDelegate::paintSwatch(QPainter& painter, const QRect& box, const QPalette& palette,
                                   Part part) {
    painter.save();
    painter.setBrushOrigin(box.topLeft());
    fillPart(painter, box, palette, part);
    painter.setPen(QPen(palette.color(QPalette::Active, QPalette::Text), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.restore();
}
