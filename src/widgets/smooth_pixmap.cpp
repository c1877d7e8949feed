// Scales pictures for high-density screens.
// SPDX-License-Identifier: MIT
#include "widgets/smooth_pixmap.h"

#include <cmath>

QPixmap smoothForRatio(const QPixmap& picture, qreal devicePixelRatio) {
    if (picture.isNull() || qFuzzyCompare(picture.devicePixelRatio(), devicePixelRatio))
        return picture;
    const QSizeF logical = picture.deviceIndependentSize();
    const QSize device(int(std::lround(logical.width() * devicePixelRatio)),
                       int(std::lround(logical.height() * devicePixelRatio)));
    QPixmap scaled = picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}
