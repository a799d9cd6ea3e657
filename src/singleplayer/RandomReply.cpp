#include "singleplayer/RandomReply.h"

#include <cmath>
#include <cstddef>

namespace ttt {
namespace {

// A uniform source finds one empty cell among nine within this many draws with a
// probability that differs from 1 by less than 1e-50. Only a broken source (one that
// repeats the same occupied cell after every re-seed) gets this far; the reply then takes
// the first empty cell instead of hanging the window.
constexpr int kMaxDraws = 1000;

bool isEmpty(const Cells& cells, int index) {
  return cells[static_cast<std::size_t>(index)].empty();
}

std::optional<int> firstEmptyCell(const Cells& cells) {
  for (int index = 0; index < kCellCount; ++index) {
    if (isEmpty(cells, index)) return index;
  }
  return std::nullopt;
}

}  // namespace

int cellForDraw(float value) {
  float number = std::floor(value * 9.0f) + 1.0f;
  // Written so that a NaN also lands on the first cell.
  if (!(number >= 1.0f)) number = 1.0f;
  if (number > 9.0f) number = 9.0f;
  return static_cast<int>(number) - 1;
}

std::optional<int> drawEmptyCell(const Cells& cells, RandomSource& random) {
  const std::optional<int> fallback = firstEmptyCell(cells);
  if (!fallback) return std::nullopt;
  for (int draw = 0; draw < kMaxDraws; ++draw) {
    random.reseedFromClock();
    const int cell = cellForDraw(random.next());
    if (isEmpty(cells, cell)) return cell;
  }
  return fallback;
}

}  // namespace ttt
