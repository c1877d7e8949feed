// The BMP writer: the bytes of an uncompressed 8-bit bitmap file holding a canvas with a 256-entry
// palette.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_ART_BMP_WRITER_H
#define VARNEL_ART_BMP_WRITER_H

#include <QByteArray>
#include <QList>
#include <QRgb>

class IndexedCanvas;

namespace BmpWriter {

// The bytes of an uncompressed 8-bit bitmap file (BITMAPINFOHEADER, BI_RGB, bottom-up rows
// padded to four bytes) holding the canvas with a 256-entry palette; shorter palettes are
// padded with black.
QByteArray indexed8(const IndexedCanvas& canvas, const QList<QRgb>& palette);

} // namespace BmpWriter

#endif
