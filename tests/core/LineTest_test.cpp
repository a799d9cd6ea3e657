#include "core/LineTest.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace ttt::test {
namespace {

Cells board(const std::vector<int>& xs, const std::vector<int>& os = {}) {
  Cells cells;
  for (int cell : xs) cells[static_cast<std::size_t>(cell)] = "X";
  for (int cell : os) cells[static_cast<std::size_t>(cell)] = "O";
  return cells;
}

OutcomeFlags flags(std::int16_t xwin, std::int16_t owin, std::int16_t tie) {
  OutcomeFlags result;
  result.XWIN = xwin;
  result.OWIN = owin;
  result.TIE = tie;
  return result;
}

TEST(LineTest, EmptyBoardDecidesNothing) {
  const LineTestResult result = runLineTest(Cells{}, OutcomeFlags{});
  EXPECT_EQ(result.flags, OutcomeFlags{});
  EXPECT_TRUE(result.strikeLines.empty());
  EXPECT_FALSE(result.lineFound);
  EXPECT_FALSE(result.tieFound);
}

// Each line of the board alone, by its place on the board, with the strike line drawn
// through it: the middle column is Line14, the right column Line13, and the diagonal from
// the top right is Line16.
TEST(LineTest, EveryLineIsStruckByItsOwnStrikeLine) {
  struct Case {
    std::array<int, 3> cells;
    int strikeLine;
  };
  const std::vector<Case> cases = {
      {{0, 1, 2}, 9},  {{3, 4, 5}, 10}, {{6, 7, 8}, 11}, {{0, 3, 6}, 12},
      {{1, 4, 7}, 14}, {{2, 5, 8}, 13}, {{2, 4, 6}, 16}, {{0, 4, 8}, 15},
  };
  for (const Case& line : cases) {
    const LineTestResult forX = runLineTest(board({line.cells.begin(), line.cells.end()}), OutcomeFlags{});
    EXPECT_EQ(forX.strikeLines, std::vector<int>{line.strikeLine}) << "X line " << line.strikeLine;
    EXPECT_EQ(forX.flags, flags(kTrue, kFalse, kFalse));
    const LineTestResult forO = runLineTest(board({}, {line.cells.begin(), line.cells.end()}), OutcomeFlags{});
    EXPECT_EQ(forO.strikeLines, std::vector<int>{line.strikeLine}) << "O line " << line.strikeLine;
    EXPECT_EQ(forO.flags, flags(kFalse, kTrue, kFalse));
  }
}

TEST(LineTest, TwoLinesAtOnceAreBothStruckInTestOrder) {
  // The fifth "X" in the centre completes the middle row and the 0-4-8 diagonal.
  const LineTestResult rowAndDiagonal = runLineTest(board({3, 5, 0, 8, 4}), OutcomeFlags{});
  EXPECT_EQ(rowAndDiagonal.strikeLines, (std::vector<int>{10, 15}));
  EXPECT_EQ(rowAndDiagonal.flags, flags(kTrue, kFalse, kFalse));

  // The middle column is tested before the right column, though its strike line is Line14.
  const LineTestResult twoColumns = runLineTest(board({}, {1, 2, 4, 5, 7, 8}), OutcomeFlags{});
  EXPECT_EQ(twoColumns.strikeLines, (std::vector<int>{14, 13}));
}

TEST(LineTest, OBeatsXWhenBothHaveALine) {
  const LineTestResult result = runLineTest(board({0, 1, 2}, {6, 7, 8}), OutcomeFlags{});
  EXPECT_EQ(result.flags, flags(kFalse, kTrue, kFalse));
  EXPECT_EQ(result.strikeLines, (std::vector<int>{9, 11}));
  EXPECT_TRUE(result.lineFound);
}

TEST(LineTest, FullBoardWithoutALineIsATie) {
  // X O X / X O O / O X X
  const LineTestResult result = runLineTest(board({0, 2, 3, 7, 8}, {1, 4, 5, 6}), OutcomeFlags{});
  EXPECT_EQ(result.flags, flags(kFalse, kFalse, kTrue));
  EXPECT_TRUE(result.tieFound);
  EXPECT_FALSE(result.lineFound);
  EXPECT_TRUE(result.strikeLines.empty());

  // One empty cell short of full is no tie.
  const LineTestResult notFull = runLineTest(board({0, 2, 3, 7}, {1, 4, 5, 6}), OutcomeFlags{});
  EXPECT_EQ(notFull.flags, OutcomeFlags{});
  EXPECT_FALSE(notFull.tieFound);
}

TEST(LineTest, ALineBeatsATieOnAFullBoard) {
  // X X X / O O X / X O O: the ninth mark fills the board and completes the top row.
  const LineTestResult forX = runLineTest(board({0, 1, 2, 5, 6}, {3, 4, 7, 8}), OutcomeFlags{});
  EXPECT_EQ(forX.flags, flags(kTrue, kFalse, kFalse));
  EXPECT_FALSE(forX.tieFound);

  // O O O / X X O / X O X, with TIE standing from an earlier run: the line clears it.
  const LineTestResult forO =
      runLineTest(board({3, 4, 6, 8}, {0, 1, 2, 5, 7}), flags(kFalse, kFalse, kTrue));
  EXPECT_EQ(forO.flags, flags(kFalse, kTrue, kFalse));
}

TEST(LineTest, LowerCaseMarksFillCellsButCompleteNoLine) {
  Cells cells = board({1, 2});
  cells[0] = "x";
  const LineTestResult partial = runLineTest(cells, OutcomeFlags{});
  EXPECT_EQ(partial.flags, OutcomeFlags{});
  EXPECT_TRUE(partial.strikeLines.empty());

  // A board full of lower-case marks counts as full.
  Cells lowerCase;
  lowerCase.fill("x");
  const LineTestResult full = runLineTest(lowerCase, OutcomeFlags{});
  EXPECT_EQ(full.flags, flags(kFalse, kFalse, kTrue));
  EXPECT_FALSE(full.lineFound);
}

TEST(LineTest, FlagsStandWhenNothingIsFound) {
  // The test only ever sets flags; clearing them belongs to a new game.
  const LineTestResult afterWin = runLineTest(Cells{}, flags(kTrue, kFalse, kFalse));
  EXPECT_EQ(afterWin.flags, flags(kTrue, kFalse, kFalse));
  const LineTestResult afterTie = runLineTest(board({0}), flags(kFalse, kFalse, kTrue));
  EXPECT_EQ(afterTie.flags, flags(kFalse, kFalse, kTrue));

  // A full board with no line while XWIN stands: the tie check needs both wins clear.
  const LineTestResult fullAfterWin =
      runLineTest(board({0, 2, 3, 7, 8}, {1, 4, 5, 6}), flags(kTrue, kFalse, kFalse));
  EXPECT_EQ(fullAfterWin.flags, flags(kTrue, kFalse, kFalse));
  EXPECT_FALSE(fullAfterWin.tieFound);
}

}  // namespace
}  // namespace ttt::test
