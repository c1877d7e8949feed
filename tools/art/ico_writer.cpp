// The ICO writer: 16-colour icon images with their AND masks in one icon file, and a canvas as a
// see-through image.
// SPDX-License-Identifier: MIT
#include "ico_writer.h"

#include "indexed_canvas.h"
#include "little_endian.h"

#include <QtEndian>

namespace {

quint32 colourRowSize(int width) {
    return ((static_cast<quint32>(width) * 4u + 31u) / 32u) * 4u;
}
quint32 maskRowSize(int width) {
    return ((static_cast<quint32>(width) + 31u) / 32u) * 4u;
}

// One image of the icon: a BITMAPINFOHEADER whose height counts both the colour rows and
// the mask rows, the palette, the 4-bit colour rows and the 1-bit AND mask, bottom-up.
QByteArray iconImage(const IndexedCanvas& canvas, const QList<QRgb>& palette) {
    const quint32 colourBytes =
        colourRowSize(canvas.width()) * static_cast<quint32>(canvas.height());
    const quint32 maskBytes = maskRowSize(canvas.width()) * static_cast<quint32>(canvas.height());
    QByteArray bytes;
    append32(bytes, 40);
    append32(bytes, static_cast<quint32>(canvas.width()));
    append32(bytes, static_cast<quint32>(canvas.height()) * 2);
    append16(bytes, 1); // planes
    append16(bytes, 4); // bits per pixel
    append32(bytes, 0); // BI_RGB
    append32(bytes, colourBytes + maskBytes);
    append32(bytes, 0);
    append32(bytes, 0);
    append32(bytes, 16);
    append32(bytes, 0);
    for (int i = 0; i < 16; ++i) {
        const QRgb colour = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        bytes.append(static_cast<char>(qBlue(colour)));
        bytes.append(static_cast<char>(qGreen(colour)));
        bytes.append(static_cast<char>(qRed(colour)));
        bytes.append('\0');
    }
    for (int y = canvas.height() - 1; y >= 0; --y) {
        QByteArray row(static_cast<qsizetype>(colourRowSize(canvas.width())), '\0');
        for (int x = 0; x < canvas.width(); ++x) {
            const std::uint8_t index = canvas.pixel(x, y);
            const int nibble = index == IcoWriter::transparentIndex ? 0 : (index & 0x0f);
            char& byte = row[x / 2];
            byte = static_cast<char>(byte | (x % 2 == 0 ? nibble << 4 : nibble));
        }
        bytes.append(row);
    }
    for (int y = canvas.height() - 1; y >= 0; --y) {
        QByteArray row(static_cast<qsizetype>(maskRowSize(canvas.width())), '\0');
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.pixel(x, y) == IcoWriter::transparentIndex) {
                char& byte = row[x / 8];
                byte = static_cast<char>(byte | (0x80 >> (x % 8)));
            }
        }
        bytes.append(row);
    }
    return bytes;
}

} // namespace

namespace IcoWriter {

QByteArray icon4(const QList<IndexedCanvas>& images, const QList<QRgb>& palette) {
    QList<QByteArray> bodies;
    for (const IndexedCanvas& canvas : images)
        bodies.append(iconImage(canvas, palette));

    QByteArray bytes;
    append16(bytes, 0); // reserved
    append16(bytes, 1); // resource type: icon
    append16(bytes, static_cast<quint16>(images.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        // Width and height are one byte each; 256 would be written as 0, but we draw no
        // icon that large.
        bytes.append(static_cast<char>(images[i].width()));
        bytes.append(static_cast<char>(images[i].height()));
        bytes.append(static_cast<char>(16)); // colours in the palette
        bytes.append('\0');
        append16(bytes, 1); // planes
        append16(bytes, 4); // bits per pixel
        append32(bytes, static_cast<quint32>(bodies[i].size()));
        append32(bytes, offset);
        offset += static_cast<quint32>(bodies[i].size());
    }
    for (const QByteArray& body : bodies)
        bytes.append(body);
    return bytes;
}

QImage toImage(const IndexedCanvas& canvas, const QList<QRgb>& palette) {
    QImage image(canvas.width(), canvas.height(), QImage::Format_ARGB32);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const std::uint8_t index = canvas.pixel(x, y);
            image.setPixel(x, y,
                           index == transparentIndex ? qRgba(0, 0, 0, 0)
                                                     : palette.value(index, qRgb(0, 0, 0)));
        }
    }
    return image;
}

} // namespace IcoWriter
