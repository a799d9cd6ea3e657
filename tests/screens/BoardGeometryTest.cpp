#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LayoutQueries.h"
#include "core/BoardLines.h"

namespace ttt::test {
namespace {

std::string cellName(int index) { return "S(" + std::to_string(index) + ")"; }
std::string lineName(int number) { return "Line" + std::to_string(number); }

class BoardGeometry : public ::testing::TestWithParam<const FormLayout*> {
 protected:
  const FormLayout& form() const { return *GetParam(); }
  const ControlLayout& control(const std::string& name) const {
    return controlNamed(form(), name);
  }
};

TEST_P(BoardGeometry, GridIsAClosedBoxOfThreeColumnsAndThreeRows) {
  const LineGrid grid = lineGrid(form(), 1, 8);
  ASSERT_EQ(grid.columns.size(), 4u);
  ASSERT_EQ(grid.rows.size(), 4u);
  for (int number = 1; number <= 8; ++number) {
    const TwipsLine& line = control(lineName(number)).line;
    const bool vertical = line.x1 == line.x2;
    const auto [from, to] =
        vertical ? std::minmax(line.y1, line.y2) : std::minmax(line.x1, line.x2);
    const std::vector<int>& across = vertical ? grid.rows : grid.columns;
    EXPECT_EQ(from, across.front()) << lineName(number);
    EXPECT_EQ(to, across.back()) << lineName(number);
  }
}

// A cell given the wrong index or position lands in another square or on the grid.
TEST_P(BoardGeometry, EachCellLiesInsideItsSquareWithoutTouchingTheGrid) {
  const LineGrid grid = lineGrid(form(), 1, 8);
  for (int i = 0; i < kCellCount; ++i) {
    const Box square = grid.cell(static_cast<std::size_t>(i % 3), static_cast<std::size_t>(i / 3));
    EXPECT_TRUE(contains(square, areaOf(control(cellName(i))))) << cellName(i);
  }
}

TEST_P(BoardGeometry, EachStrikeLineCrossesItsThreeCellsAndNoOther) {
  for (const BoardLine& boardLine : kLinesInTestOrder) {
    const ControlLayout& strike = control(lineName(boardLine.strikeLine));
    for (int i = 0; i < kCellCount; ++i) {
      const bool struck = std::count(boardLine.cells.begin(), boardLine.cells.end(), i) > 0;
      EXPECT_EQ(crosses(strike.line, areaOf(control(cellName(i)))), struck)
          << strike.name << " and " << cellName(i);
    }
  }
}

TEST_P(BoardGeometry, BoardLivesInTheFrameWithStrikesHiddenAndGridShown) {
  for (int i = 0; i < kCellCount; ++i) EXPECT_EQ(control(cellName(i)).container, "Frame2");
  for (int number = 1; number <= 16; ++number) {
    const ControlLayout& line = control(lineName(number));
    EXPECT_EQ(line.container, "Frame2") << line.name;
    EXPECT_EQ(line.visible, number <= 8) << line.name;
  }
  EXPECT_EQ(control("Frame2").kind, ControlKind::Frame);
  EXPECT_TRUE(control("Frame2").container.empty());
  EXPECT_TRUE(control("Frame2").visible && control("Frame2").enabled);
}

std::string windowName(const ::testing::TestParamInfo<const FormLayout*>& window) {
  return window.param->name;
}

INSTANTIATE_TEST_SUITE_P(GameWindows, BoardGeometry, ::testing::ValuesIn(gameLayouts()),
                         windowName);

}  // namespace
}  // namespace ttt::test
