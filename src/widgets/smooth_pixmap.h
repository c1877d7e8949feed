// Pictures drawn at their design size on screens of any pixel density.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_SMOOTH_PIXMAP_H
#define VARNEL_WIDGETS_SMOOTH_PIXMAP_H

#include <QPixmap>

// The picture scaled smoothly to the device pixels it covers at a pixel ratio, with
// that ratio set, so it keeps its size on screen and Qt need not double its pixels.
// A ratio of 1 returns the picture unchanged.
QPixmap smoothForRatio(const QPixmap& picture, qreal devicePixelRatio);

#endif
