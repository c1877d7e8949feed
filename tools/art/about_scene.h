// The About picture: a night sky over a dark horizon with the antenna mast and the radio shack, and
// its palette.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_ART_ABOUT_SCENE_H
#define VARNEL_ART_ABOUT_SCENE_H

#include <QList>
#include <QRgb>

class IndexedCanvas;

// The About picture: a night sky over a dark horizon, with the antenna mast and the radio
// shack at the lower left. The About box shows only the top-left 394 x 246 pixels and lays
// white text over the sky between x 104 and 401, y 24 and 160, so that area stays plain
// dark sky and the mast and shack stay left of x 100.
namespace AboutScene {

constexpr int width = 537;
constexpr int height = 306;

// The 256-colour palette the picture is drawn with.
QList<QRgb> palette();
// Draws the whole scene.
IndexedCanvas draw();

} // namespace AboutScene

#endif
