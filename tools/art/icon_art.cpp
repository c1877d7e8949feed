// The program icon drawn pixel by pixel at 32 and 16 pixels in the sixteen standard colours.
// SPDX-License-Identifier: MIT
#include "icon_art.h"

#include "ico_writer.h"
#include "indexed_canvas.h"

#include <cstdint>

namespace {

// The images are drawn pixel by pixel: at 16 and 32 pixels, lines drawn by formula come out
// lumpy. One character per pixel:
//   . see-through   k black   g grey   s silver   r red   b blue
// clang-format off
constexpr const char* largeRows[] = {
    "................................",
    "........b..............b........",
    ".......b................b.......",
    "......b..b............b..b......",
    "......b..b............b..b......",
    ".....b..b..b........b..b..b.....",
    ".....b..b..b...rr...b..b..b.....",
    ".....b..b..b..rrrr..b..b..b.....",
    ".....b..b..b..rrrr..b..b..b.....",
    ".....b..b..b...rr...b..b..b.....",
    ".....b..b..b...kk...b..b..b.....",
    "......b..b.....kk.....b..b......",
    "......b..b....kkkk....b..b......",
    ".......b......kgsk......b.......",
    "........b.....ksgk.....b........",
    "..............kkkk..............",
    ".............kg..gk.............",
    ".............k.gg.k.............",
    ".............k.gg.k.............",
    "............kg....gk............",
    "............kkkkkkkk............",
    "............kg....gk............",
    "...........k.g....g.k...........",
    "...........k..g..g..k...........",
    "...........k...gg...k...........",
    "..........k....gg....k..........",
    "..........k...g..g...k..........",
    "..........k..g....g..k..........",
    ".........k..g......g..k.........",
    ".........k.g........g.k.........",
    ".........kg..........gk.........",
    "........kkkkkkkkkkkkkkkk........",
};

constexpr const char* smallRows[] = {
    "................",
    ".b..b......b..b.",
    "b..b...rr...b..b",
    "b..b..rrrr..b..b",
    "b..b...rr...b..b",
    "b..b...kk...b..b",
    ".b..b..kk..b..b.",
    ".......kk.......",
    "......kkkk......",
    "......kggk......",
    ".....kg..gk.....",
    ".....kkkkkk.....",
    "....kg....gk....",
    "....k.g..g.k....",
    "...k...gg...k...",
    "..kkkkkkkkkkkk..",
};
// clang-format on

std::uint8_t colourOf(char pixel) {
    switch (pixel) {
    case 'k':
        return 0;
    case 's':
        return 7;
    case 'g':
        return 8;
    case 'r':
        return 9;
    case 'b':
        return 12;
    default:
        return IcoWriter::transparentIndex;
    }
}

template <std::size_t N> IndexedCanvas fromRows(const char* const (&rows)[N]) {
    const int size = static_cast<int>(N);
    IndexedCanvas canvas(size, size, IcoWriter::transparentIndex);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size && rows[y][x] != '\0'; ++x)
            canvas.setPixel(x, y, colourOf(rows[y][x]));
    return canvas;
}

} // namespace

namespace IconArt {

QList<QRgb> palette() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

IndexedCanvas large() {
    return fromRows(largeRows);
}

IndexedCanvas small() {
    return fromRows(smallRows);
}

} // namespace IconArt
