#pragma once

#include <optional>

namespace ttt {

// A digit key as the board reads it: from the numeric keypad, or from the row of digits
// above the letters.
struct CellKey {
  enum class Row { Keypad, Digits };
  Row row = Row::Digits;
  int digit = 0;
};

// The cell a digit key places on, or none. The keypad is read by position, as it lies under
// the hand (7 8 9 the top row, 1 2 3 the bottom row); the digit row in reading order (1 is
// the top left cell, 9 the bottom right). 0 and anything outside 1 to 9 place nothing.
std::optional<int> cellForKey(CellKey key);

}  // namespace ttt
