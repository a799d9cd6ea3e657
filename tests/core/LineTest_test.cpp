#include "core/LineTest.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace ttt::test {
namespace {

constexpr OutcomeFlags kNone{};
constexpr OutcomeFlags kXWin{kTrue, kFalse, kFalse};
constexpr OutcomeFlags kOWin{kFalse, kTrue, kFalse};
constexpr OutcomeFlags kTie{kFalse, kFalse, kTrue};

// Boards are written row by row from the top left, "." for an empty cell.
TEST(LineTest, DecidesEachBoardFromTheFlagsAsTheyStand) {
  // The board, the flags before and after, and the strike lines shown.
  const std::vector<std::tuple<const char*, OutcomeFlags, OutcomeFlags, std::vector<int>>> cases = {
      {"X..XXX..X", kNone, kXWin, {10, 15}},  // one mark completes two lines
      {".OO.OO.OO", kNone, kOWin, {14, 13}},  // middle column is tested before the right
      {"X.X.X.X.X", kNone, kXWin, {16, 15}},  // the diagonal from the top right first
      {"XXX...OOO", kNone, kOWin, {9, 11}},   // the O pass runs after the X pass
      {"XOXXOOOXX", kNone, kTie, {}},
      {"XOXXOOOX.", kNone, kNone, {}},   // one cell short of full
      {"XXXOOXXOO", kNone, kXWin, {9}},  // the ninth mark completes a line
      {"OOOXXOXOX", kTie, kOWin, {9}},   // a line clears a standing tie
      {"xXX......", kNone, kNone, {}},   // lower case completes no line ...
      {"xxxxxxxxx", kNone, kTie, {}},    // ... but fills its cell
      {".........", kXWin, kXWin, {}},   // only a new game clears a flag
      {"XOXXOOOXX", kXWin, kXWin, {}},   // the tie check needs both wins clear
  };
  for (const auto& [board, before, after, strikeLines] : cases) {
    Cells cells;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (board[i] != '.') cells[i] = std::string(1, board[i]);
    }
    const LineTestResult result = runLineTest(cells, before);
    SCOPED_TRACE(board);
    EXPECT_EQ(result.flags, after);
    EXPECT_EQ(result.strikeLines, strikeLines);
    EXPECT_EQ(result.lineFound, !strikeLines.empty());
    EXPECT_EQ(result.tieFound, after == kTie);
  }
}

}  // namespace
}  // namespace ttt::test
