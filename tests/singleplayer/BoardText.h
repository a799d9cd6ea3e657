#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/BoardLines.h"

namespace ttt::test {

// A board written as nine characters row by row from the top left: '.' an empty cell, any
// other character that caption ("XX.O.O..x").
inline Cells boardFromText(std::string_view text) {
  Cells cells;
  for (std::size_t i = 0; i < cells.size() && i < text.size(); ++i) {
    cells[i] = text[i] == '.' ? std::string() : std::string(1, text[i]);
  }
  return cells;
}

// The middle of the range of values that the random reply turns into the given cell.
inline float drawForCell(int cell) { return (static_cast<float>(cell) + 0.5f) / 9.0f; }

}  // namespace ttt::test
