#include "core/LineTest.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "core/Marks.h"

namespace ttt {
namespace {

bool lineHolds(const Cells& cells, const BoardLine& line, std::string_view mark) {
  return std::all_of(line.cells.begin(), line.cells.end(),
                     [&](int cell) { return cells[static_cast<std::size_t>(cell)] == mark; });
}

// One pass over the eight lines for one mark; each completed line sets the flags and is struck.
void markPass(const Cells& cells, std::string_view mark, LineTestResult& result) {
  for (const BoardLine& line : kLinesInTestOrder) {
    if (!lineHolds(cells, line, mark)) continue;
    const bool isX = mark == kMarkX;
    result.flags.XWIN = isX ? kTrue : kFalse;
    result.flags.OWIN = isX ? kFalse : kTrue;
    result.flags.TIE = kFalse;
    result.strikeLines.push_back(line.strikeLine);
    result.lineFound = true;
  }
}

bool boardFull(const Cells& cells) {
  return std::none_of(cells.begin(), cells.end(),
                      [](const std::string& caption) { return caption.empty(); });
}

}  // namespace

LineTestResult runLineTest(const Cells& cells, OutcomeFlags flags) {
  LineTestResult result;
  result.flags = flags;
  markPass(cells, kMarkX, result);
  markPass(cells, kMarkO, result);
  if (boardFull(cells) && result.flags.OWIN == kFalse && result.flags.XWIN == kFalse) {
    result.flags.TIE = kTrue;
    result.tieFound = true;
  }
  return result;
}

}  // namespace ttt
