#include "singleplayer/ReplyRules.h"

#include <gtest/gtest.h>

#include "SinglePlayerFixture.h"

namespace ttt::test {
namespace {

std::optional<int> replyTo(std::string_view board) { return findReplyTarget(boardFromText(board)); }

TEST(ReplyRules, BlockComesBeforeWinWhenItsRuleIsEarlier) {
  // X holds 0 and 1, O holds 6 and 7: the top row's block outranks the bottom row's win.
  EXPECT_EQ(replyTo("XX...XOO."), 2);
}

TEST(ReplyRules, WinComesBeforeBlockWhenItsRuleIsEarlier) {
  // O completes the middle row at 4; blocking X's bottom row at 6 comes later in the list.
  EXPECT_EQ(replyTo("X..O.O.XX"), 4);
  // The last rule of all: O completes the diagonal 2-4-6 at 2.
  EXPECT_EQ(replyTo(".X.XO.O.X"), 2);
}

TEST(ReplyRules, OfTwoThreatsOnlyTheFirstRuleIsBlocked) {
  // X threatens the bottom row at 7 and the left column at 3; the bottom row comes first.
  EXPECT_EQ(replyTo("X.O.O.X.X"), 7);
}

TEST(ReplyRules, DiagonalFromTopLeftComesBeforeTheOtherDiagonal) {
  // X on 4, 6 and 8 threatens 0 (diagonal 0-4-8) and 2 (diagonal 2-4-6); O on 7 has taken
  // the bottom row's gap.
  EXPECT_EQ(replyTo("....X.XOX"), 0);
}

TEST(ReplyRules, NoRuleAppliesWithoutTwoEqualMarksAndAnEmptyTarget) {
  EXPECT_EQ(replyTo("........."), std::nullopt);
  // O on 4 and 8 point at 0, which X has taken.
  EXPECT_EQ(replyTo("X...OX.XO"), std::nullopt);
  // Only "X" and "O" are marks: a lower-case "x" pairs with nothing.
  EXPECT_EQ(replyTo("xx......."), std::nullopt);
  EXPECT_EQ(replyTo("xX......."), std::nullopt);
  // A full board has no target.
  EXPECT_EQ(replyTo("XOXXOOOXX"), std::nullopt);
}

TEST(ReplyRules, PairsInEveryPositionOfEveryLineAreFound) {
  // Each line with its target at the end, in the middle and at the start.
  EXPECT_EQ(replyTo("OO......."), 2);
  EXPECT_EQ(replyTo("...O.O..."), 4);
  EXPECT_EQ(replyTo(".......XX"), 6);
  EXPECT_EQ(replyTo("X.....X.."), 3);
  EXPECT_EQ(replyTo("....X..X."), 1);
  EXPECT_EQ(replyTo("..O..O..."), 8);
  EXPECT_EQ(replyTo("O.......O"), 4);
  EXPECT_EQ(replyTo("..X...X.."), 4);
}

class ReplyTick : public SinglePlayerFixture {
 protected:
  void SetUp() override {
    open();
    form.control("turn").setCaption("O");
    form.timer("Timer2").setInterval(1);
  }
};

TEST_F(ReplyTick, RuleMovePutsOOnTheTargetAndHandsTheTurnBack) {
  setBoard("XX...XOO.");
  form.tick();
  EXPECT_EQ(boardText(), "XXO..XOO.");
  EXPECT_EQ(caption("turn"), "X");
  EXPECT_EQ(timerStates(), "1001");
}

TEST_F(ReplyTick, NoRuleHandsOverToTheRandomReplyOnTheNextTick) {
  setBoard("X...OX.XO");
  fakes.random.script({drawForCell(0), drawForCell(2)});
  form.tick();
  EXPECT_EQ(boardText(), "X...OX.XO");
  EXPECT_EQ(caption("turn"), "O");
  EXPECT_EQ(timerStates(), "1011");
  EXPECT_EQ(fakes.random.draws, 0);

  form.tick();
  EXPECT_EQ(boardText(), "X.O.OX.XO");
  EXPECT_EQ(caption("turn"), "X");
  EXPECT_EQ(timerStates(), "1001");
  EXPECT_EQ(fakes.random.draws, 2);
}

TEST_F(ReplyTick, NothingMovesWhileAFlagIsSetAndTheTimerKeepsRunning) {
  // X has the top row, and rule 4 would complete O's middle row at 5. The announcer is
  // held back so that the flag stays set over several ticks.
  setBoard("XXXOO....");
  form.timer("Timer4").setInterval(0);
  for (int i = 0; i < 3; ++i) form.tick();
  EXPECT_EQ(form.flags().XWIN, kTrue);
  EXPECT_EQ(boardText(), "XXXOO....");
  EXPECT_EQ(caption("turn"), "O");
  EXPECT_EQ(interval("Timer2"), 1);
  EXPECT_EQ(interval("Timer3"), 0);
}

}  // namespace
}  // namespace ttt::test
