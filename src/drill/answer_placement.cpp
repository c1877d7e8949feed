// The answer placement: the placement number of a draw and the tops of the four choice rows it
// gives.
// SPDX-License-Identifier: MIT
#include "drill/answer_placement.h"

#include <algorithm>
#include <cmath>

namespace AnswerPlacement {

int placementNumber(double r) {
    // A draw outside [0, 1) cannot come from the generator; clamping keeps the
    // table look-up in range whatever a replacement generator returns.
    return std::clamp(static_cast<int>(std::floor(6.0 * r + 1.0)), 1, 6);
}

std::array<int, 4> boxTops(int placementNumber) {
    static constexpr std::array<std::array<int, 4>, 6> table{{
        {2520, 3120, 3720, 4320}, // A, B, C, D
        {4320, 2520, 3120, 3720}, // B, C, D, A
        {3720, 4320, 2520, 3120}, // C, D, A, B
        {3120, 3720, 4320, 2520}, // D, A, B, C
        {3120, 2520, 4320, 3720}, // B, A, D, C
        {3720, 4320, 3120, 2520}, // D, C, A, B
    }};
    return table.at(static_cast<std::size_t>(std::clamp(placementNumber, 1, 6) - 1));
}

} // namespace AnswerPlacement
