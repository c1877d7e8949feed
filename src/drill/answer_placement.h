// The answer placement: the screen order of the four choices for a run, one of six orders drawn
// once.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_DRILL_ANSWER_PLACEMENT_H
#define VARNEL_DRILL_ANSWER_PLACEMENT_H

#include <array>

// The screen order of the four choices for a run: six orders of the 24, drawn once.
namespace AnswerPlacement {

// The Tops of the four choice rows, top to bottom, in twips.
inline constexpr std::array<int, 4> rowTops{2520, 3120, 3720, 4320};

// The placement number 1..6 for a draw r in [0, 1): floor(6r + 1).
int placementNumber(double r);
// The Tops of the answer boxes of choices A, B, C, D for a placement number 1..6.
std::array<int, 4> boxTops(int placementNumber);

} // namespace AnswerPlacement

#endif
