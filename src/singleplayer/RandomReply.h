#pragma once

#include <optional>

#include "core/BoardLines.h"
#include "forms/Services.h"

namespace ttt {

// The cell (0 to 8) that a value drawn from the random source names: n = floor(r * 9) + 1 in
// single precision, cell n - 1. A value outside [0, 1) from a faulty source still names a
// cell of the board: it is held to the nearest one.
int cellForDraw(float value);

// Draws cells until one is empty, re-seeding the source from the clock before every draw,
// and returns that cell. Returns none, without drawing, when the board has no empty cell.
std::optional<int> drawEmptyCell(const Cells& cells, RandomSource& random);

}  // namespace ttt
