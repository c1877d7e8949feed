// The clock-seeded random draw of start-up.
// SPDX-License-Identifier: MIT
#include "drill/random_draw.h"

#include <chrono>

void ClockRandomDraw::randomize() {
    m_generator.seed(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

double ClockRandomDraw::rnd() {
    // 53 random bits scaled by 2^-53: exactly representable, so never rounds up to 1
    // (std::uniform_real_distribution may return 1 on some libraries).
    return static_cast<double>(m_generator() >> 11) * 0x1.0p-53;
}
