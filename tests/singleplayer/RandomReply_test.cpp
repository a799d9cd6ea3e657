#include "singleplayer/RandomReply.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "SinglePlayerFixture.h"

namespace ttt::test {
namespace {

TEST(CellForDraw, TheWholeRangeMapsOntoTheNineCellsInOrder) {
  EXPECT_EQ(cellForDraw(0.0f), 0);
  for (int cell = 0; cell < kCellCount; ++cell) EXPECT_EQ(cellForDraw(drawForCell(cell)), cell);
  // The largest value below 1 still names the last cell, in single precision.
  EXPECT_EQ(cellForDraw(std::nextafter(1.0f, 0.0f)), 8);
}

TEST(CellForDraw, ValuesOutsideTheRangeStayOnTheBoard) {
  EXPECT_EQ(cellForDraw(1.0f), 8);
  EXPECT_EQ(cellForDraw(250.0f), 8);
  EXPECT_EQ(cellForDraw(std::numeric_limits<float>::infinity()), 8);
  EXPECT_EQ(cellForDraw(-0.5f), 0);
  EXPECT_EQ(cellForDraw(-std::numeric_limits<float>::infinity()), 0);
  EXPECT_EQ(cellForDraw(std::numeric_limits<float>::quiet_NaN()), 0);
}

TEST(DrawEmptyCell, RedrawsPastOccupiedCellsReseedingBeforeEveryDraw) {
  ScriptedRandom random;
  random.script({0.0f, drawForCell(4), std::nextafter(1.0f, 0.0f), drawForCell(2)});
  EXPECT_EQ(drawEmptyCell(boardFromText("X...O...X"), random), 2);
  EXPECT_EQ(random.draws, 4);
  EXPECT_EQ(random.reseeds, 4);
}

TEST(DrawEmptyCell, AFullBoardGetsNoCellAndNoDraw) {
  ScriptedRandom random;
  EXPECT_EQ(drawEmptyCell(boardFromText("XOXXOOOXX"), random), std::nullopt);
  EXPECT_EQ(random.draws, 0);
}

TEST(DrawEmptyCell, ASourceStuckOnATakenCellDoesNotHang) {
  // A source whose re-seed brings back the same value every time.
  class StuckRandom : public RandomSource {
   public:
    void reseedFromClock() override {}
    float next() override { return 0.0f; }
  } stuck;
  EXPECT_EQ(drawEmptyCell(boardFromText("XO.XO...."), stuck), 2);
}

class RandomTick : public SinglePlayerFixture {
 protected:
  void SetUp() override { open(); }
};

TEST_F(RandomTick, TheFirstReplyLandsBesideTheUsersMarkAndStopsItsTimer) {
  // The first draw hits the user's own cell and must be drawn again.
  fakes.random.script({drawForCell(4), drawForCell(4), drawForCell(8)});
  clickCell(4);
  EXPECT_EQ(timerStates(), "1011");
  form.tick();
  EXPECT_EQ(boardText(), "....X...O");
  EXPECT_EQ(caption("turn"), "X");
  EXPECT_EQ(timerStates(), "1001");
  EXPECT_EQ(fakes.random.draws, 3);
  EXPECT_EQ(fakes.random.reseeds, 3);
}

TEST_F(RandomTick, AFullBoardStopsTheReplyWithoutAMark) {
  // The random reply is due on a board that is already full; the line test and the
  // announcer are held back so that nothing else acts on the tick.
  setBoard("XOXXOOOXX");
  form.control("turn").setCaption("O");
  form.timer("Timer1").setInterval(0);
  form.timer("Timer4").setInterval(0);
  form.timer("Timer3").setInterval(1);
  form.tick();
  EXPECT_EQ(boardText(), "XOXXOOOXX");
  EXPECT_EQ(timerStates(), "0000");
  EXPECT_EQ(fakes.random.draws, 0);
}

}  // namespace
}  // namespace ttt::test
