// Converting a pool's published figure into the bitmap the figure window loads.
// SPDX-License-Identifier: MIT
#include "figure_bitmap.h"

#include <QImage>
#include <QImageReader>
#include <QSaveFile>

bool FigureBitmap::convert(const QString& in, const QString& out, QString* error) {
    QImageReader reader(in);
    QImage image = reader.read();
    if (image.isNull()) {
        *error = QStringLiteral("%1: cannot read the picture: %2").arg(in, reader.errorString());
        return false;
    }
    // Only ever made smaller: a small figure keeps its sharp pixels.
    if (image.width() > maxWidth || image.height() > maxHeight)
        image = image.scaled(maxWidth, maxHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // A BMP has no transparency; transparent parts become the window's white.
    QImage flat(image.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    {
        QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x) {
                const QRgb p = source.pixel(x, y);
                const int a = qAlpha(p);
                flat.setPixel(x, y,
                              qRgb(qRed(p) + 255 - a, qGreen(p) + 255 - a, qBlue(p) + 255 - a));
            }
    }
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || !flat.save(&file, "BMP") || !file.commit()) {
        *error = QStringLiteral("%1: cannot write the bitmap: %2").arg(out, file.errorString());
        return false;
    }
    return true;
}
