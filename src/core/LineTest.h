#pragma once

#include <vector>

#include "core/BoardLines.h"
#include "core/OutcomeFlags.h"

namespace ttt {

// What one run of the line test decides for a board.
struct LineTestResult {
  OutcomeFlags flags;            // the flags as the test leaves them
  std::vector<int> strikeLines;  // strike lines to show, in the order found (may repeat none)
  bool lineFound = false;        // a line of "X" or "O" stands: the board is to be locked
  bool tieFound = false;         // the tie check set TIE on this run
};

// Runs the X pass, the O pass and the tie check over the board, starting from the flags as
// they stand. Every pass runs; a later pass overrides an earlier one, so "O" beats "X" and a
// line beats a tie. The test never clears a flag it does not override.
LineTestResult runLineTest(const Cells& cells, OutcomeFlags flags);

}  // namespace ttt
