// The ICO writer: the bytes of an icon file holding each canvas as a 16-colour image, and the
// see-through index.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_ART_ICO_WRITER_H
#define VARNEL_ART_ICO_WRITER_H

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

#include <cstdint>

class IndexedCanvas;

namespace IcoWriter {

// Canvas pixels holding this index are see-through: colour 0 with the AND-mask bit set in
// the icon file, alpha 0 in a PNG.
constexpr std::uint8_t transparentIndex = 255;

// The bytes of an icon file holding each canvas as a 16-colour (4 bits per pixel) image
// with its AND mask, all with the same 16-entry palette, in the order given.
QByteArray icon4(const QList<IndexedCanvas>& images, const QList<QRgb>& palette);

// The same image as a 32-bit picture with alpha, for writing as PNG.
QImage toImage(const IndexedCanvas& canvas, const QList<QRgb>& palette);

} // namespace IcoWriter

#endif
