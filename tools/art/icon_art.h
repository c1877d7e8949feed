// The program icon: a lattice tower with a red lamp sending out radio waves, in the sixteen
// standard colours.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_ART_ICON_ART_H
#define VARNEL_ART_ICON_ART_H

#include <QList>
#include <QRgb>

class IndexedCanvas;

// The program icon: a lattice tower with a red lamp sending out radio waves, in the sixteen
// standard colours, on a see-through background.
namespace IconArt {

// The sixteen standard colours, in their usual order.
QList<QRgb> palette();
// The 32 x 32 image.
IndexedCanvas large();
// The 16 x 16 image, drawn on its own so it stays clear at that size.
IndexedCanvas small();

} // namespace IconArt

#endif
