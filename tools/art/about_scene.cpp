// The About picture drawn index by index: the sky, the moon, the stars, the hills, the mast and the
// radio shack.
// SPDX-License-Identifier: MIT
#include "about_scene.h"

#include "indexed_canvas.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace {

// Palette indices. The sky is a ramp of its own so the gradient needs no mixing.
enum Colour : std::uint8_t {
    Black = 0,
    StarWhite,
    StarBlue,
    StarDim,
    StarWarm,
    SteelLight,
    Steel,
    SteelDark,
    LampRed,
    LampGlow,
    Wall,
    WallShade,
    Roof,
    WindowLit,
    WindowFrame,
    Door,
    Ridge,
    Moon,
    MoonShade,
    GuyWire,
    SkyFirst = 32,
};
constexpr int skyLevels = 64;

// Top of the sky and its lighter band just above the hills.
constexpr QRgb skyTop = qRgb(3, 6, 34);
constexpr QRgb skyLow = qRgb(30, 52, 122);

// The sky ramp stops where the distant hills can begin; everything lower is covered.
constexpr int skyBottom = 236;

// Outlines of the distant ridge and of the near ground, as x, y corners joined by straight
// lines. The near ground is black, as at night; the ridge is a shade lighter so the two
// read as distance.
constexpr std::array<std::pair<int, int>, 8> ridgeCorners{
    {{0, 224}, {70, 217}, {140, 222}, {210, 212}, {290, 219}, {360, 208}, {440, 218}, {536, 212}}};
constexpr std::array<std::pair<int, int>, 7> groundCorners{
    {{0, 231}, {110, 233}, {170, 229}, {250, 234}, {330, 228}, {420, 232}, {536, 230}}};

// Where the About box writes its text; only faint stars go there.
constexpr int textLeft = 100;
constexpr int textRight = 405;
constexpr int textTop = 20;
constexpr int textBottom = 165;

// The mast: centre line, foot, top of the lattice, and the half widths there.
constexpr int mastX = 64;
constexpr int mastFoot = 232;
constexpr int latticeTop = 142;
constexpr int footHalfWidth = 9;
constexpr int topHalfWidth = 2;

QRgb mix(QRgb from, QRgb to, int numerator, int denominator) {
    const auto channel = [&](int a, int b) { return a + (b - a) * numerator / denominator; };
    return qRgb(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)),
                channel(qBlue(from), qBlue(to)));
}

// A small linear congruential generator: the same stars on every machine and every run,
// which std::uniform_int_distribution does not promise.
class StarRandom {
public:
    explicit StarRandom(std::uint32_t seed) : m_state(seed) {}
    int below(int limit) {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<int>((m_state >> 8) % static_cast<std::uint32_t>(limit));
    }

private:
    std::uint32_t m_state;
};

template <std::size_t N> int outlineY(const std::array<std::pair<int, int>, N>& corners, int x) {
    for (std::size_t i = 1; i < N; ++i) {
        const auto [x0, y0] = corners[i - 1];
        const auto [x1, y1] = corners[i];
        if (x <= x1)
            return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
    }
    return corners[N - 1].second;
}

void drawSky(IndexedCanvas& canvas) {
    // A 4 x 4 ordered dither between neighbouring ramp steps hides the bands.
    static constexpr int bayer[4][4] = {
        {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const int scaled = std::min(y, skyBottom) * (skyLevels - 1) * 16 / skyBottom;
            const int level = std::min(skyLevels - 1, (scaled + bayer[y & 3][x & 3]) / 16);
            canvas.setPixel(x, y, static_cast<std::uint8_t>(SkyFirst + level));
        }
    }
}

void drawMoon(IndexedCanvas& canvas) {
    // A crescent far right, outside the part the About box shows, for the whole picture.
    constexpr int cx = 474, cy = 48, r = 13;
    constexpr int shadowX = cx + 6, shadowY = cy - 4;
    for (int y = cy - r; y <= cy + r; ++y) {
        for (int x = cx - r; x <= cx + r; ++x) {
            const int d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            const int s = (x - shadowX) * (x - shadowX) + (y - shadowY) * (y - shadowY);
            if (d <= r * r && s > r * r)
                canvas.setPixel(
                    x, y, d >= (r - 1) * (r - 1) || s <= (r + 1) * (r + 1) ? MoonShade : Moon);
        }
    }
}

void drawStars(IndexedCanvas& canvas) {
    StarRandom random(0x7a11e5u);
    constexpr int count = 70;
    for (int i = 0; i < count; ++i) {
        const int x = random.below(canvas.width());
        const int y = random.below(205);
        const int kind = random.below(10);
        const bool inText = x >= textLeft && x <= textRight && y >= textTop && y <= textBottom;
        if (inText || kind < 6) {
            canvas.setPixel(x, y, StarDim);
        } else if (kind < 9) {
            canvas.setPixel(x, y, kind == 8 ? StarWarm : StarWhite);
        } else {
            canvas.setPixel(x, y, StarWhite);
            canvas.setPixel(x - 1, y, StarBlue);
            canvas.setPixel(x + 1, y, StarBlue);
            canvas.setPixel(x, y - 1, StarBlue);
            canvas.setPixel(x, y + 1, StarBlue);
        }
    }
}

void drawLand(IndexedCanvas& canvas) {
    for (int x = 0; x < canvas.width(); ++x) {
        const int ridge = outlineY(ridgeCorners, x);
        const int ground = outlineY(groundCorners, x);
        for (int y = ridge; y < canvas.height(); ++y)
            canvas.setPixel(x, y, y >= ground ? Black : Ridge);
    }
}

int halfWidthAt(int y) {
    return topHalfWidth +
           (footHalfWidth - topHalfWidth) * (y - latticeTop) / (mastFoot - latticeTop);
}

void drawMast(IndexedCanvas& canvas) {
    // Guy wires first, so the tower stands in front of them.
    canvas.drawLine(mastX, 176, mastX - 44, mastFoot, GuyWire);
    canvas.drawLine(mastX, 176, mastX + 46, mastFoot + 1, GuyWire);

    // Sections get shorter towards the top as the tower narrows, each with an X brace and
    // a horizontal girt at its top.
    int y = mastFoot;
    while (y > latticeTop) {
        const int half = halfWidthAt(y);
        const int next = std::max(latticeTop, y - std::max(5, half * 3 / 2));
        const int nextHalf = halfWidthAt(next);
        canvas.drawLine(mastX - half, y, mastX + nextHalf, next, Steel);
        canvas.drawLine(mastX + half, y, mastX - nextHalf, next, Steel);
        canvas.drawLine(mastX - nextHalf, next, mastX + nextHalf, next, Steel);
        y = next;
    }
    canvas.drawLine(mastX - footHalfWidth, mastFoot, mastX - topHalfWidth, latticeTop, SteelLight);
    canvas.drawLine(mastX + footHalfWidth, mastFoot, mastX + topHalfWidth, latticeTop, SteelLight);

    // The pipe above the lattice carries a beam antenna: a boom with elements across it,
    // the reflector longest, seen a little from the side so the elements slant.
    constexpr int boomY = 127;
    canvas.drawLine(mastX, latticeTop, mastX, 120, SteelLight);
    canvas.drawLine(mastX - 17, boomY, mastX + 17, boomY, SteelLight);
    constexpr std::array<std::pair<int, int>, 4> elements{{{-16, 8}, {-5, 7}, {5, 6}, {15, 5}}};
    for (const auto& [offset, length] : elements)
        canvas.drawLine(mastX + offset - 2, boomY + length, mastX + offset + 2, boomY - length,
                        SteelLight);

    // The red warning lamp on top, with a little glow.
    canvas.setPixel(mastX - 1, 118, LampGlow);
    canvas.setPixel(mastX + 1, 118, LampGlow);
    canvas.setPixel(mastX, 117, LampGlow);
    canvas.setPixel(mastX, 118, LampRed);
    canvas.setPixel(mastX, 119, LampRed);
}

void drawShack(IndexedCanvas& canvas) {
    constexpr int left = 10, right = 44, eaves = 210, floor = 234;
    constexpr int apexX = (left + right) / 2, apexY = 198;

    // The feed line runs from the shack wall up to the tower.
    canvas.drawLine(right, 214, mastX - 7, 204, SteelDark);

    canvas.fillRect(left, eaves, right - left + 1, floor - eaves, Wall);
    canvas.fillRect(right - 3, eaves, 4, floor - eaves, WallShade);
    for (int y = apexY; y <= eaves; ++y) {
        const int half = (y - apexY) * (apexX - left + 4) / (eaves - apexY);
        canvas.drawLine(apexX - half, y, apexX + half, y, Roof);
    }
    canvas.drawLine(left - 4, eaves, apexX, apexY, SteelDark);
    canvas.drawLine(apexX, apexY, right + 4, eaves, SteelDark);

    // The lit window with its cross bar, and the door.
    constexpr int windowLeft = 15, windowTop = 215, windowWidth = 12, windowHeight = 10;
    canvas.fillRect(windowLeft - 1, windowTop - 1, windowWidth + 2, windowHeight + 2, WindowFrame);
    canvas.fillRect(windowLeft, windowTop, windowWidth, windowHeight, WindowLit);
    canvas.drawLine(windowLeft + windowWidth / 2, windowTop, windowLeft + windowWidth / 2,
                    windowTop + windowHeight - 1, WindowFrame);
    canvas.drawLine(windowLeft, windowTop + windowHeight / 2, windowLeft + windowWidth - 1,
                    windowTop + windowHeight / 2, WindowFrame);
    canvas.fillRect(31, 218, 7, floor - 218, Door);
    canvas.setPixel(36, 226, WindowFrame);
}

} // namespace

namespace AboutScene {

QList<QRgb> palette() {
    QList<QRgb> colours(256, qRgb(0, 0, 0));
    colours[StarWhite] = qRgb(255, 255, 255);
    colours[StarBlue] = qRgb(170, 190, 255);
    colours[StarDim] = qRgb(120, 132, 186);
    colours[StarWarm] = qRgb(255, 236, 190);
    colours[SteelLight] = qRgb(176, 182, 200);
    colours[Steel] = qRgb(118, 124, 148);
    colours[SteelDark] = qRgb(74, 78, 98);
    colours[LampRed] = qRgb(255, 48, 32);
    colours[LampGlow] = qRgb(140, 30, 40);
    colours[Wall] = qRgb(92, 70, 56);
    colours[WallShade] = qRgb(64, 50, 42);
    colours[Roof] = qRgb(44, 36, 40);
    colours[WindowLit] = qRgb(255, 216, 112);
    colours[WindowFrame] = qRgb(150, 104, 48);
    colours[Door] = qRgb(40, 30, 26);
    colours[Ridge] = qRgb(10, 14, 36);
    colours[Moon] = qRgb(236, 230, 196);
    colours[MoonShade] = qRgb(170, 166, 150);
    colours[GuyWire] = qRgb(52, 60, 96);
    for (int level = 0; level < skyLevels; ++level)
        colours[SkyFirst + level] =
            mix(skyTop, skyLow, level * level, (skyLevels - 1) * (skyLevels - 1));
    return colours;
}

IndexedCanvas draw() {
    IndexedCanvas canvas(width, height);
    drawSky(canvas);
    drawMoon(canvas);
    drawStars(canvas);
    drawLand(canvas);
    drawMast(canvas);
    drawShack(canvas);
    return canvas;
}

} // namespace AboutScene
