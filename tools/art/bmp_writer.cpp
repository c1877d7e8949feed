// The BMP writer: the headers, palette and padded bottom-up rows of an uncompressed 8-bit bitmap
// file.
// SPDX-License-Identifier: MIT
#include "bmp_writer.h"

#include "indexed_canvas.h"
#include "little_endian.h"

#include <QtEndian>

namespace BmpWriter {

QByteArray indexed8(const IndexedCanvas& canvas, const QList<QRgb>& palette) {
    constexpr quint32 fileHeaderSize = 14;
    constexpr quint32 infoHeaderSize = 40;
    constexpr quint32 paletteEntries = 256;
    const quint32 rowSize = (static_cast<quint32>(canvas.width()) + 3u) & ~3u;
    const quint32 imageSize = rowSize * static_cast<quint32>(canvas.height());
    const quint32 pixelOffset = fileHeaderSize + infoHeaderSize + paletteEntries * 4;

    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(pixelOffset + imageSize));
    bytes.append("BM", 2);
    append32(bytes, pixelOffset + imageSize);
    append32(bytes, 0); // two reserved words
    append32(bytes, pixelOffset);

    append32(bytes, infoHeaderSize);
    append32(bytes, static_cast<quint32>(canvas.width()));
    append32(bytes, static_cast<quint32>(canvas.height())); // positive: bottom-up rows
    append16(bytes, 1);                                     // planes
    append16(bytes, 8);                                     // bits per pixel
    append32(bytes, 0);                                     // BI_RGB, no compression
    append32(bytes, imageSize);
    append32(bytes, 2835); // 72 dots per inch, in dots per metre
    append32(bytes, 2835);
    append32(bytes, paletteEntries);
    append32(bytes, 0); // every colour is important

    for (quint32 i = 0; i < paletteEntries; ++i) {
        const QRgb colour = i < static_cast<quint32>(palette.size()) ? palette[i] : qRgb(0, 0, 0);
        bytes.append(static_cast<char>(qBlue(colour)));
        bytes.append(static_cast<char>(qGreen(colour)));
        bytes.append(static_cast<char>(qRed(colour)));
        bytes.append('\0');
    }

    for (int y = canvas.height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width(); ++x)
            bytes.append(static_cast<char>(canvas.pixel(x, y)));
        for (quint32 pad = static_cast<quint32>(canvas.width()); pad < rowSize; ++pad)
            bytes.append('\0');
    }
    return bytes;
}

} // namespace BmpWriter
