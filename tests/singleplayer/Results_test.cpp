#include <gtest/gtest.h>

#include <vector>

#include "SinglePlayerFixture.h"

namespace ttt::test {
namespace {

class Results : public SinglePlayerFixture {
 protected:
  void SetUp() override { open(); }

  // The user's third "X" at 2 completes the top row.
  void userWins() {
    setBoard("XX.OO....");
    form.control("LBLNUM").setCaption("5");
    clickCell(2);
    form.tick();
  }
  // The user's third "X" leaves the middle row open, and rule 4 completes it for "O".
  void computerWins() {
    setBoard(".X.OO...X");
    form.control("LBLNUM").setCaption("5");
    clickCell(6);
    form.tick();
    form.tick();
  }
  // The game ended with this one message and score, every timer stopped and no side to move.
  void expectAnnounced(const char* message, const char* wins, const char* losses) {
    const ShownMessage expected{message, kStyleExclamation, "Tic Tac Toe !"};
    EXPECT_EQ(fakes.messageBox.shown, std::vector<ShownMessage>{expected});
    EXPECT_EQ(caption("Label10(0)"), wins);
    EXPECT_EQ(caption("Label10(1)"), losses);
    EXPECT_EQ(caption("turn"), "");
    EXPECT_EQ(timerStates(), "0000");
  }
};

TEST_F(Results, TheUsersLineIsAnnouncedAndCountedAsAWin) {
  userWins();
  expectAnnounced("You Beat the computer!", "1", "0");
  EXPECT_TRUE(form.control("Line9").visible());
}

TEST_F(Results, TheComputersLineIsAnnouncedAndCountedAsALoss) {
  computerWins();
  EXPECT_EQ(boardText(), ".X.OOOX.X");
  expectAnnounced("The computer beat you!", "0", "1");
}

TEST_F(Results, ATieIsAnnouncedAndNotCounted) {
  setBoard("OXXXXOOO.");
  form.control("LBLNUM").setCaption("9");
  clickCell(8);
  form.tick();
  expectAnnounced("There is no winner.  The game is tie!", "0", "0");
  // A tie leaves the board enabled; the move guard alone refuses clicks.
  EXPECT_TRUE(form.control("Frame2").enabled());
}

TEST_F(Results, TheScoreCountsEveryGameAcrossNewGames) {
  for (int game = 0; game < 3; ++game) {
    userWins();
    form.click("Command1");
  }
  computerWins();
  EXPECT_EQ(fakes.messageBox.shown.size(), 4u);
  EXPECT_EQ(caption("Label10(0)"), "3");
  EXPECT_EQ(caption("Label10(1)"), "1");
}

TEST_F(Results, WhileTheBoxIsOpenNothingMovesAndTheScoreWaits) {
  bool checked = false;
  fakes.messageBox.whileOpen = [&](const ShownMessage&) {
    EXPECT_EQ(caption("Label10(0)"), "0");
    EXPECT_EQ(timerStates(), "0000");
    // Ticks and clicks that the desktop delivers while the box is open reach nothing.
    const std::uint64_t before = form.revision();
    form.tick();
    clickCell(5);
    form.click("Command1");
    EXPECT_EQ(form.revision(), before);
    checked = true;
  };
  userWins();
  EXPECT_TRUE(checked);
  EXPECT_EQ(caption("Label10(0)"), "1");
}

TEST_F(Results, AnAnnouncedGameIsOverUntilNewGame) {
  userWins();
  const std::uint64_t over = form.revision();
  clickCell(5);
  form.tick();
  EXPECT_EQ(form.revision(), over);
  EXPECT_EQ(fakes.messageBox.shown.size(), 1u);
  form.click("Command1");
  clickCell(5);
  EXPECT_EQ(boardText(), ".....X...");
}

TEST_F(Results, ReopeningStartsAFreshGameWithAFreshScore) {
  // The game is announced and the window closed without a new game: the flag is still set.
  userWins();
  ASSERT_EQ(form.flags().XWIN, kTrue);
  form.requestClose();
  open("CAROL");
  EXPECT_EQ(fakes.inputBox.prompts.size(), 2u);
  EXPECT_EQ(caption("Label6"), "CAROL");
  EXPECT_FALSE(form.flags().anySet());
  for (int i = 0; i < 3; ++i) form.tick();
  EXPECT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(caption("Label10(0)"), "0");
  EXPECT_EQ(caption("Label10(1)"), "0");
  EXPECT_EQ(boardText(), ".........");
  playAgainstRandom(4, 0);
  form.tick();
  EXPECT_EQ(boardText(), "O...X....");
}

}  // namespace
}  // namespace ttt::test
