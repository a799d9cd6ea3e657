#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "twoplayer/TwoPlayerFixture.h"

namespace ttt::test {
namespace {

TEST_F(TwoPlayerTest, XWinIsAnnouncedOnceWithPlayerAsNameFirst) {
  open("ANN", "BOB");
  play(kXWinsTopRow);
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0],
            (ShownMessage{"ANN Won The Game !", kStyleExclamation, "ANN WON !"}));
  EXPECT_TRUE(strikeLineShown(9));
  for (int i = 0; i < 5; ++i) form.tick();
  EXPECT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(interval("Timer1"), 0);
  EXPECT_EQ(interval("Timer2"), 0);
  EXPECT_EQ(form.flags().XWIN, kTrue);
}

TEST_F(TwoPlayerTest, OWinIsAnnouncedWithPlayerBsName) {
  open("ANN", "BOB");
  play(kOWinsMiddleRow);
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0],
            (ShownMessage{"BOB Won The Game !", kStyleExclamation, "BOB WON !"}));
  EXPECT_TRUE(strikeLineShown(10));
  EXPECT_FALSE(strikeLineShown(9));
}

TEST_F(TwoPlayerTest, FullBoardWithoutALineIsAnnouncedAsATieAndLocksTheBoard) {
  open();
  play(kTieGame);
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0],
            (ShownMessage{"There is No Winner ! Tie !", kStyleExclamation, "TIE !"}));
  EXPECT_FALSE(boardEnabled());
  for (int line = 9; line <= 16; ++line) EXPECT_FALSE(strikeLineShown(line));
}

TEST_F(TwoPlayerTest, TheBoardIsStruckAndLockedBeforeTheBoxOpens) {
  open();
  play({0, 3, 1, 4});
  clickCell(2);
  // The click itself decides nothing: the line test finds the line on the next tick.
  EXPECT_EQ(cell(2), "X");
  EXPECT_FALSE(form.flags().anySet());
  EXPECT_FALSE(strikeLineShown(9));

  std::size_t eventsBeforeBox = 0;
  fakes.messageBox.whileOpen = [&](const ShownMessage&) {
    eventsBeforeBox = windows.events.size();
    EXPECT_TRUE(strikeLineShown(9));
    EXPECT_FALSE(boardEnabled());
    EXPECT_EQ(interval("Timer1"), 0);
    EXPECT_EQ(interval("Timer2"), 0);
    // A click or tick arriving while the box is open changes nothing.
    clickCell(5);
    form.tick();
    EXPECT_EQ(cell(5), "");
  };
  form.tick();
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  const std::vector<std::string> tail(windows.events.end() - 5, windows.events.end());
  EXPECT_EQ(eventsBeforeBox, windows.events.size());
  EXPECT_EQ(tail, (std::vector<std::string>{
                      "Form1 state",
                      "Form1 Line9 caption= visible=1 enabled=1",
                      "Form1 Frame2 caption= visible=1 enabled=0",
                      "Form1 Timer1=0",
                      "Form1 Timer2=0",
                  }));
}

TEST_F(TwoPlayerTest, XMovesFirstAfterLoadAndOAfterNewGame) {
  open();
  EXPECT_EQ(sideToMove(), "X");
  clickCell(4);
  EXPECT_EQ(cell(4), "X");
  EXPECT_EQ(sideToMove(), "O");
  form.click("Command1");
  EXPECT_EQ(sideToMove(), "O");
  clickCell(4);
  clickCell(0);
  EXPECT_EQ(cell(4), "O");
  EXPECT_EQ(cell(0), "X");
  EXPECT_EQ(sideToMove(), "O");
}

TEST_F(TwoPlayerTest, AClickOnAFilledCellChangesNothing) {
  open();
  clickCell(4);
  const std::uint64_t before = form.revision();
  clickCell(4);
  EXPECT_EQ(cell(4), "X");
  EXPECT_EQ(sideToMove(), "O");
  EXPECT_EQ(form.revision(), before);
}

TEST_F(TwoPlayerTest, ClicksAfterAnOutcomeChangeNothing) {
  open();
  play(kXWinsTopRow);
  const std::uint64_t before = form.revision();
  for (int i = 0; i < 9; ++i) clickCell(i);
  EXPECT_EQ(form.revision(), before);

  // Decided but not yet announced: the guard refuses the move as well.
  form.click("Command1");
  play({0, 3, 1, 4});
  clickCell(2);
  form.timer("Timer2").setInterval(0);
  form.tick();
  ASSERT_EQ(form.flags().OWIN, kTrue);
  clickCell(8);
  EXPECT_EQ(cell(8), "");
}

TEST_F(TwoPlayerTest, AnIdleBoardTicksWithoutChangingAnything) {
  open();
  play({4});
  const std::uint64_t before = form.revision();
  for (int i = 0; i < 3; ++i) form.tick();
  EXPECT_EQ(form.revision(), before);
  EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(TwoPlayerTest, NewGameResetsTheBoardInItsOrder) {
  open();
  play(kOWinsMiddleRow);  // leaves "X" to move, so the switch to "O" shows
  const std::size_t start = windows.events.size();
  form.click("Command1");
  const std::vector<std::string> steps(windows.events.begin() + static_cast<long>(start),
                                       windows.events.end());
  EXPECT_EQ(steps, (std::vector<std::string>{
                       "Form1 Frame2 caption= visible=1 enabled=1",
                       "Form1 summa caption=O visible=0 enabled=1",
                       "Form1 S(0) caption= visible=1 enabled=1",
                       "Form1 S(1) caption= visible=1 enabled=1",
                       "Form1 S(3) caption= visible=1 enabled=1",
                       "Form1 S(4) caption= visible=1 enabled=1",
                       "Form1 S(5) caption= visible=1 enabled=1",
                       "Form1 S(8) caption= visible=1 enabled=1",
                       "Form1 Timer1=1",
                       "Form1 Timer2=1",
                       "Form1 state",
                       "Form1 Line10 caption= visible=0 enabled=1",
                   }));
  EXPECT_FALSE(form.flags().anySet());
}

TEST_F(TwoPlayerTest, NewGameMidGameGivesAnEmptyUnlockedBoardWithOToMove) {
  open();
  play({0, 4, 8});
  form.click("Command1");
  for (int i = 0; i < 9; ++i) EXPECT_EQ(cell(i), "") << i;
  EXPECT_EQ(sideToMove(), "O");
  EXPECT_TRUE(boardEnabled());
  EXPECT_EQ(interval("Timer1"), 1);
  EXPECT_EQ(interval("Timer2"), 1);
}

TEST_F(TwoPlayerTest, EveryGameAfterNewGameIsAnnouncedOnceAgain) {
  open("ANN", "BOB");
  play(kXWinsTopRow);
  form.click("Command1");
  for (int line = 9; line <= 16; ++line) EXPECT_FALSE(strikeLineShown(line));
  EXPECT_TRUE(boardEnabled());
  // "O" opens now, so the same clicks give Player B the top row.
  play(kXWinsTopRow);
  form.click("Command1");
  play(kTieGame);
  std::vector<std::string> titles;
  for (const ShownMessage& message : fakes.messageBox.shown) titles.push_back(message.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"ANN WON !", "BOB WON !", "TIE !"}));
}

}  // namespace
}  // namespace ttt::test
