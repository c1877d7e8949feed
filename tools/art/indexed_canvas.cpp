// The indexed canvas: pixels, filled rectangles and lines of palette indices.
// SPDX-License-Identifier: MIT
#include "indexed_canvas.h"

#include <cstdlib>

IndexedCanvas::IndexedCanvas(int width, int height, std::uint8_t fill)
    : m_width(width), m_height(height),
      m_pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

std::uint8_t IndexedCanvas::pixel(int x, int y) const {
    return m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                    static_cast<std::size_t>(x)];
}

void IndexedCanvas::setPixel(int x, int y, std::uint8_t index) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
             static_cast<std::size_t>(x)] = index;
}

void IndexedCanvas::fillRect(int x, int y, int width, int height, std::uint8_t index) {
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            setPixel(column, row, index);
}

void IndexedCanvas::drawLine(int x0, int y0, int x1, int y1, std::uint8_t index) {
    // Bresenham: integer steps only, so the same line comes out on every machine.
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        setPixel(x0, y0, index);
        if (x0 == x1 && y0 == y1)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}
