// ShareBarDelegate: draws a topic's new, learning and known shares as one bar in a table cell, in
// the palette's colours so it reads on light and dark desktops alike.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_PROGRESS_SHARE_BAR_DELEGATE_H
#define VARNEL_PROGRESS_SHARE_BAR_DELEGATE_H

#include <QStyledItemDelegate>
#include <array>

class QPainter;
class QPalette;

// Draws the shares held by a cell (sharesRole: a list of three counts, new, learning
// and known) as one bar: known filled with the selection colour, learning hatched in
// it, new left empty, all inside a frame in the text colour. The colours are the
// palette's own, so the bar follows a light or dark desktop, and the hatching tells
// learning from known without colour.
class ShareBarDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int sharesRole = Qt::UserRole + 1;
    enum class Part { New, Learning, Known };

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // Draws a bar of these counts into box.
    static void paintBar(QPainter& painter, const QRect& box, const QPalette& palette,
                         const std::array<int, 3>& counts);
    // Draws the sample of one part, as the legend shows it.
    static void paintSwatch(QPainter& painter, const QRect& box, const QPalette& palette,
                            Part part);
};

#endif
