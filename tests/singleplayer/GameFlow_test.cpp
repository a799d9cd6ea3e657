#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "SinglePlayerFixture.h"

namespace ttt::test {
namespace {

using GameFlow = SinglePlayerFixture;

TEST_F(GameFlow, OpeningAsksTheNameOnceAndStartsWithTheUserToMove) {
  open("  Zoë & @bob  ");
  EXPECT_EQ(fakes.inputBox.prompts, std::vector<std::string>{"ENTER YOUR NAME "});
  EXPECT_EQ(caption("Label6"), "  Zoë & @bob  ");
  EXPECT_EQ(caption("turn"), "X");
  EXPECT_EQ(caption("LBLNUM"), "1");
  EXPECT_EQ(timerStates(), "1001");
  EXPECT_FALSE(form.flags().anySet());
}

TEST_F(GameFlow, OnlyAnEmptyNameBecomesPlayerA) {
  open(std::nullopt);
  EXPECT_EQ(caption("Label6"), "PLAYER A");
  form.unload();
  open("");
  EXPECT_EQ(caption("Label6"), "PLAYER A");
  form.unload();
  open("   ");
  EXPECT_EQ(caption("Label6"), "   ");
}

TEST_F(GameFlow, RefusedClicksChangeNothing) {
  open();
  playAgainstRandom(4, 0);
  const std::uint64_t pending = form.revision();
  clickCell(1);  // the computer's reply is still pending
  EXPECT_EQ(form.revision(), pending);
  form.tick();
  ASSERT_EQ(boardText(), "O...X....");

  const std::uint64_t userToMove = form.revision();
  clickCell(0);  // taken by the computer
  clickCell(4);  // taken by the user
  EXPECT_EQ(form.revision(), userToMove);
  EXPECT_EQ(caption("LBLNUM"), "3");
}

TEST_F(GameFlow, AClickAfterALineIsFoundIsRefusedBeforeTheAnnouncement) {
  open();
  setBoard("XXX.O.O..");
  form.timer("Timer4").setInterval(0);
  form.tick();
  ASSERT_EQ(form.flags().XWIN, kTrue);
  clickCell(3);
  EXPECT_EQ(boardText(), "XXX.O.O..");
  EXPECT_EQ(caption("turn"), "X");
  EXPECT_EQ(caption("LBLNUM"), "1");
}

TEST_F(GameFlow, TheMoveCounterPicksTheReplyForEachOfFiveMoves) {
  open();
  struct Move {
    int cell;
    const char* counterBefore;
    const char* timersAfterClick;
    const char* boardAfterReply;
  };
  // Two random replies (scripted to 0 and 6), then the rules block at 5 and 7; the fifth
  // "X" fills the board and the tie is found before the reply can act.
  const std::vector<Move> moves{
      {4, "1", "1011", "O...X...."}, {2, "3", "1011", "O.X.X.O.."},
      {3, "5", "1101", "O.XXXOO.."}, {1, "7", "1101", "OXXXXOOO."},
      {8, "9", "1101", "OXXXXOOOX"}};
  fakes.random.script({drawForCell(0), drawForCell(6)});
  for (const Move& move : moves) {
    SCOPED_TRACE(move.cell);
    EXPECT_EQ(caption("LBLNUM"), move.counterBefore);
    clickCell(move.cell);
    EXPECT_EQ(timerStates(), move.timersAfterClick);
    form.tick();
    EXPECT_EQ(boardText(), move.boardAfterReply);
  }
  EXPECT_EQ(caption("LBLNUM"), "11");
  EXPECT_EQ(form.flags().TIE, kTrue);
  EXPECT_EQ(fakes.random.draws, 2);
}

TEST_F(GameFlow, NewGameBeforeTheReplyTicksCancelsItAndKeepsNameAndScore) {
  open("BOB");
  form.control("Label10(0)").setCaption("2");
  form.control("Label10(1)").setCaption("5");
  playAgainstRandom(4, 0);
  form.click("Command1");
  form.tick();
  EXPECT_EQ(boardText(), ".........");
  EXPECT_EQ(caption("turn"), "X");
  EXPECT_EQ(caption("LBLNUM"), "1");
  EXPECT_EQ(timerStates(), "1001");
  EXPECT_EQ(fakes.random.draws, 0);
  EXPECT_EQ(caption("Label6"), "BOB");
  EXPECT_EQ(caption("Label10(0)"), "2");
  EXPECT_EQ(caption("Label10(1)"), "5");
  // The user moves first in the new game.
  playAgainstRandom(0, 8);
  form.tick();
  EXPECT_EQ(boardText(), "X.......O");
}

TEST_F(GameFlow, NewGameResetsTheWindowInItsOwnOrder) {
  open();
  // A won and announced game leaves every reset step something to change.
  setBoard("XO..X..O.");
  form.control("LBLNUM").setCaption("5");
  clickCell(8);
  form.tick();
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  ASSERT_EQ(timerStates(), "0000");
  windows.events.clear();

  form.click("Command1");
  const std::vector<std::string> expected{
      "Form2 Frame2 caption= visible=1 enabled=1", "Form2 turn caption=X visible=0 enabled=1",
      "Form2 S(0) caption= visible=1 enabled=1",   "Form2 S(1) caption= visible=1 enabled=1",
      "Form2 S(4) caption= visible=1 enabled=1",   "Form2 S(7) caption= visible=1 enabled=1",
      "Form2 S(8) caption= visible=1 enabled=1",   "Form2 LBLNUM caption=1 visible=0 enabled=1",
      "Form2 Timer1=1",                            "Form2 Timer4=1",
      "Form2 state",                               "Form2 Line15 caption= visible=0 enabled=1"};
  EXPECT_EQ(windows.events, expected);
  EXPECT_FALSE(form.flags().anySet());
}

TEST_F(GameFlow, TheCloseBoxReturnsToTheMenuAndCannotBeRefused) {
  open();
  form.requestClose();
  EXPECT_FALSE(form.isLoaded());
  EXPECT_EQ(navigator.calls, std::vector<std::string>{"menu"});
  EXPECT_EQ(windows.events.back(), "unloaded Form2");
}

TEST_F(GameFlow, ExitShowsTheMenuBeforeTheWindowCloses) {
  open();
  std::vector<bool> loadedAtCall;
  navigator.onCall = [&] { loadedAtCall.push_back(form.isLoaded()); };
  form.click("Command2");
  EXPECT_FALSE(form.isLoaded());
  // Once by the button and once more by the close request; both while the window stands.
  EXPECT_EQ(navigator.calls, (std::vector<std::string>{"menu", "menu"}));
  EXPECT_EQ(loadedAtCall, (std::vector<bool>{true, true}));
}

}  // namespace
}  // namespace ttt::test
