#include "screens/access/CellKeys.h"

namespace ttt {

std::optional<int> cellForKey(CellKey key) {
  if (key.digit < 1 || key.digit > 9) return std::nullopt;
  const int fromOne = key.digit - 1;
  if (key.row == CellKey::Row::Digits) return fromOne;
  // The keypad's bottom row holds 1 2 3, so its rows run upwards.
  const int row = 2 - fromOne / 3;
  const int column = fromOne % 3;
  return 3 * row + column;
}

}  // namespace ttt
