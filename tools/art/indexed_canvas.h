// IndexedCanvas: a picture of palette indices, top row first, so the bitmap files get exactly the
// colours chosen.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_ART_INDEXED_CANVAS_H
#define VARNEL_ART_INDEXED_CANVAS_H

#include <cstdint>
#include <vector>

// A picture of palette indices, top row first. The drawings are done index by index so
// that the 8-bit and 4-bit files get exactly the colours chosen, with no quantising.
class IndexedCanvas {
public:
    // A width x height picture filled with one index.
    IndexedCanvas(int width, int height, std::uint8_t fill = 0);

    // Width in pixels.
    int width() const { return m_width; }
    // Height in pixels.
    int height() const { return m_height; }
    // The index at x, y; both must lie inside the picture.
    std::uint8_t pixel(int x, int y) const;
    // Sets one pixel; points outside the picture are ignored, so shapes may reach past the edge.
    void setPixel(int x, int y, std::uint8_t index);
    // Fills a rectangle, clipped to the picture.
    void fillRect(int x, int y, int width, int height, std::uint8_t index);
    // Draws a one-pixel line from x0, y0 to x1, y1, both ends included.
    void drawLine(int x0, int y0, int x1, int y1, std::uint8_t index);

private:
    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_pixels;
};

#endif
