// How many twips make a logical pixel: the one scale of the program's layouts, widget-free.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_TWIP_SCALE_H
#define VARNEL_WIDGETS_TWIP_SCALE_H

// Positions and sizes are laid out in twips (1440 to the inch). On screen a twip
// is 1/15 of a logical pixel; Qt scales logical pixels on high-DPI screens. The rules
// that measure in twips (the rich-text reader's columns) use it as the windows do.
namespace twips {

inline constexpr int perPixel = 15;

} // namespace twips

#endif
