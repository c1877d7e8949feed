// Converting a pool's published figure into the bitmap the figure window loads.
// SPDX-License-Identifier: MIT
#include "figure_bitmap.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>

namespace {

// Paler than this in every channel counts as the paper, not the drawing (scans and
// smoothed lines leave near-white specks that are not part of it).
constexpr int paper = 240;

// A BMP has no transparency; transparent parts become the window's white.
QImage onWhite(const QImage& image) {
    QImage flat(image.size(), QImage::Format_RGB888);
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QRgb p = source.pixel(x, y);
            const int a = qAlpha(p);
            flat.setPixel(x, y, qRgb(qRed(p) + 255 - a, qGreen(p) + 255 - a, qBlue(p) + 255 - a));
        }
    return flat;
}

// The smallest rectangle holding every pixel of the drawing; null for a blank picture.
QRect drawingBounds(const QImage& flat) {
    int left = flat.width(), top = flat.height(), right = -1, bottom = -1;
    for (int y = 0; y < flat.height(); ++y)
        for (int x = 0; x < flat.width(); ++x) {
            const QRgb p = flat.pixel(x, y);
            if (qRed(p) >= paper && qGreen(p) >= paper && qBlue(p) >= paper)
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage fitToBox(const QImage& flat) {
    if (flat.width() <= FigureBitmap::boxWidth && flat.height() <= FigureBitmap::boxHeight)
        return flat;
    const QRect bounds = drawingBounds(flat);
    QImage drawing = bounds.isNull() ? flat : flat.copy(bounds);
    const QSize room(FigureBitmap::boxWidth - 2 * FigureBitmap::margin,
                     FigureBitmap::boxHeight - 2 * FigureBitmap::margin);
    if (drawing.width() > room.width() || drawing.height() > room.height())
        drawing = drawing.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage framed(drawing.size().grownBy(QMargins(FigureBitmap::margin, FigureBitmap::margin,
                                                  FigureBitmap::margin, FigureBitmap::margin)),
                  QImage::Format_RGB888);
    framed.fill(Qt::white);
    QPainter(&framed).drawImage(FigureBitmap::margin, FigureBitmap::margin, drawing);
    return framed;
}

} // namespace

bool FigureBitmap::convert(const QString& in, const QString& out, QString* error) {
    QImageReader reader(in);
    const QImage image = reader.read();
    if (image.isNull()) {
        *error = QStringLiteral("%1: cannot read the picture: %2").arg(in, reader.errorString());
        return false;
    }
    const QImage bitmap = fitToBox(onWhite(image));
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || !bitmap.save(&file, "BMP") || !file.commit()) {
        *error = QStringLiteral("%1: cannot write the bitmap: %2").arg(out, file.errorString());
        return false;
    }
    return true;
}
