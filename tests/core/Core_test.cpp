// The board's rules and the counters' arithmetic, which need no window.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/LineTest.h"
#include "core/NumericCaption.h"

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
    for (std::size_t i = 0; i < cells.size(); ++i)
      if (board[i] != '.') cells[i] = board[i];
    const LineTestResult result = runLineTest(cells, before);
    SCOPED_TRACE(board);
    EXPECT_EQ(result.flags, after);
    EXPECT_EQ(result.strikeLines, strikeLines);
    EXPECT_EQ(result.lineFound, !strikeLines.empty());
    EXPECT_EQ(result.tieFound, after == kTie);
  }
}

TEST(NumericCaption, CountersReadTheLeadingNumberAndWritePlainDecimal) {
  // A caption, the step added to it, and the caption written back; past the 16- and 32-bit
  // limits a counter keeps counting instead of wrapping.
  const std::vector<std::tuple<const char*, int, const char*>> cases = {
      {"", 1, "1"},
      {"abc", 0, "0"},
      {"-", 0, "0"},
      {".", 0, "0"},
      {" 12abc", 1, "13"},
      {"7 8", 0, "7"},
      {"+4", 0, "4"},
      {"-3", 1, "-2"},
      {"1.5", 2, "3.5"},
      {"1.5.3", 0, "1.5"},
      {"-1", 1, "0"},
      {"32767", 1, "32768"},
      {"2147483647", 1, "2147483648"},
      {"999999999999", 1, "1000000000000"}};
  for (const auto& [caption, step, expected] : cases)
    EXPECT_EQ(addToCounter(caption, step), expected) << caption;
}

}  // namespace
}  // namespace ttt::test
