// Measures texts against boxes for the field labels.
// SPDX-License-Identifier: MIT
#include "widgets/text_fit.h"

#include <QFontMetrics>
#include <QRect>
#include <cmath>

namespace TextFit {

namespace {

QFont atPoints(const QFont& font, double points) {
    QFont sized(font);
    sized.setPointSizeF(points);
    return sized;
}

// The beginning of text kept when it is cut after length characters: never half a
// surrogate pair, and back to the last word break when that loses less than a third.
QString cutAt(const QString& text, qsizetype length) {
    if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate())
        --length;
    QString kept = text.left(length);
    if (length < text.size() && !text.at(length).isSpace()) {
        const qsizetype space = kept.lastIndexOf(QLatin1Char(' '));
        if (space > 0 && space * 3 >= length * 2)
            kept.truncate(space);
    }
    return kept.trimmed() + QChar(ellipsis);
}

} // namespace

bool fits(const QString& text, const QFont& font, const QSize& box, int flags,
          const QPaintDevice* device) {
    const QFontMetrics metrics = device ? QFontMetrics(font, device) : QFontMetrics(font);
    const QRect needed = metrics.boundingRect(QRect(QPoint(0, 0), box), flags, text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

int heightToShow(const QString& text, const QFont& designFont, const QSize& box, int roomHeight,
                 int flags, const QPaintDevice* device) {
    if (roomHeight <= box.height() || fits(text, designFont, box, flags, device))
        return box.height();
    return roomHeight;
}

Fit fitInBox(const QString& text, const QFont& designFont, const QSize& box, int flags,
             const QPaintDevice* device) {
    const double design = designFont.pointSizeF();
    if (text.isEmpty() || design <= smallestPoints || fits(text, designFont, box, flags, device))
        return {design, text, false};
    // Half points below the design size: 8.25 goes on with 8, 7.5 and 7.
    for (double points = std::ceil(design * 2 - 1) / 2; points >= smallestPoints; points -= 0.5)
        if (fits(text, atPoints(designFont, points), box, flags, device))
            return {points, text, false};

    const QFont smallest = atPoints(designFont, smallestPoints);
    // The longest beginning that fits: a longer one never fits where a shorter one does not.
    qsizetype good = 0;
    qsizetype bad = text.size();
    while (bad - good > 1) {
        const qsizetype middle = (good + bad) / 2;
        if (fits(cutAt(text, middle), smallest, box, flags, device))
            good = middle;
        else
            bad = middle;
    }
    return {smallestPoints, cutAt(text, good), true};
}

} // namespace TextFit
