#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "singleplayer/Form2.h"
#include "singleplayer/RandomReply.h"
#include "singleplayer/ReplyRules.h"
#include "support/Fakes.h"

namespace ttt::test {
namespace {

// A board written row by row from the top left, '.' for an empty cell.
Cells board(std::string_view text) {
  Cells cells;
  for (std::size_t i = 0; i < cells.size(); ++i) cells[i] = text.substr(i, text[i] == '.' ? 0 : 1);
  return cells;
}

// The smallest random value that names the cell, in single precision.
float drawForCell(int cell) { return static_cast<float>(cell) / 9.0f; }

ShownMessage result(const char* message) { return {message, kStyleExclamation, "Tic Tac Toe !"}; }

TEST(ComputerReply, RulesGoInListOrderAndRandomDrawsTakeOnlyEmptyCells) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"XX...XOO.", 2},              // the top row's block comes before the bottom row's win
      {"X..O.O.XX", 4},              // the middle row's win comes before the bottom row's block
      {".X.XO.O.X", 2},              // the very last rule
      {"X.O.O.X.X", 7},              // of two threats, the bottom row's comes first
      {"....X.XOX", 0},              // diagonal 0-4-8 before diagonal 2-4-6
      {"X...OX.XO", std::nullopt},   // the only pair's target is taken
      {"xx.......", std::nullopt}};  // only "X" and "O" are marks
  for (const auto& [text, target] : cases) EXPECT_EQ(findReplyTarget(board(text)), target) << text;
  // Each cell of each row, column and diagonal is a target.
  for (std::string_view line : {"012", "345", "678", "036", "147", "258", "048", "246"}) {
    for (const char target : line) {
      std::string text(9, '.');
      for (const char cell : line) text[cell - '0'] = cell == target ? '.' : 'O';
      EXPECT_EQ(findReplyTarget(board(text)), target - '0') << text;
    }
  }
  for (int cell = 0; cell < kCellCount; ++cell) EXPECT_EQ(cellForDraw(drawForCell(cell)), cell);
  for (float value : {std::nextafter(1.0f, 0.0f), 1.0f, INFINITY}) EXPECT_EQ(cellForDraw(value), 8);
  for (float value : {-0.5f, -INFINITY, NAN}) EXPECT_EQ(cellForDraw(value), 0);
  ScriptedRandom random;
  random.script({0.0f, drawForCell(4), std::nextafter(1.0f, 0.0f), drawForCell(2)});
  EXPECT_EQ(drawEmptyCell(board("X...O...X"), random), 2);
  EXPECT_EQ(drawEmptyCell(board("XOXXOOOXX"), random), std::nullopt);
  EXPECT_EQ(std::pair(random.draws, random.reseeds), std::pair(4, 4));
  random.script(std::vector<float>(5000, 0.0f));  // stuck on a taken cell: no hang
  EXPECT_EQ(drawEmptyCell(board("XO.XO...."), random), 2);
}

// The single-player window on fake services, ticked by hand; the fixture is its navigator.
class SinglePlayer : public ::testing::Test, public Navigator {
 protected:
  void showMenu() override { menuWhileLoaded.push_back(form.isLoaded()); }
  void showTwoPlayer() override {}
  void showSinglePlayer() override {}

  void open(std::string name = "ALICE") {
    fakes.inputBox.answer(std::move(name));
    form.show();
  }
  const std::string& caption(std::string_view name) const { return form.control(name).caption(); }
  std::string score() const { return caption("Label10(0)") + "-" + caption("Label10(1)"); }
  // Board, side to move, running timers and score, as "O...X.... X 1001 0-0".
  std::string state() const {
    std::string text;
    for (const std::string& cell : form.cells()) text += cell.empty() ? "." : cell;
    text += " " + caption("turn") + " ";
    for (const auto& timer : form.timers()) text += timer->running() ? '1' : '0';
    return text + " " + score();
  }
  void setBoard(std::string_view text, const char* moveCounter = "1") {
    int index = 0;
    for (const std::string& cell : board(text))
      form.controlArray("S", kCellCount)[index++].setCaption(cell);
    form.control("LBLNUM").setCaption(moveCounter);
  }
  void clickCell(int index) { form.control("S(" + std::to_string(index) + ")").click(); }
  void userWins() {  // the third "X" completes the top row, found and announced on the tick
    setBoard("XX.OO....", "5");
    clickCell(2);
    form.tick();
  }

  FakeServices fakes;
  Form2 form{fakes.services, *this};
  std::vector<bool> menuWhileLoaded;
};

TEST_F(SinglePlayer, RuleReplyHandsOverWhenNoRuleAppliesAndWaitsWhileAFlagIsSet) {
  open();
  setBoard("X...OX.XO");  // no rule applies: the random reply moves on the next tick
  form.control("turn").setCaption("O");
  form.timer("Timer2").setInterval(kEveryTick);
  fakes.random.script({drawForCell(0), drawForCell(2)});
  form.tick();
  EXPECT_EQ(state(), "X...OX.XO O 1011 0-0");
  form.tick();
  EXPECT_EQ(state(), "X.O.OX.XO X 1001 0-0");
  setBoard("XXXOO....");  // X has a line, and a rule would complete O's middle row
  form.timer("Timer2").setInterval(kEveryTick);
  form.timer("Timer4").setInterval(kStopped);
  for (int i = 0; i < 3; ++i) form.tick();
  clickCell(5);  // refused though "X" is to move: the game is decided
  EXPECT_EQ(state(), "XXXOO.... X 1100 0-0");
}

TEST_F(SinglePlayer, AWholeGameCountsTheMovesAndPicksTheReplyByTheCounter) {
  open();
  // The first draw hits the user's mark. Two random replies, two blocks, and a tie.
  fakes.random.script({drawForCell(4), drawForCell(0), drawForCell(6)});
  const std::tuple<int, const char*, const char*, const char*> moves[] = {
      {4, "1", "....X.... O 1011 0-0", "O...X.... X 1001 0-0"},
      {2, "3", "O.X.X.... O 1011 0-0", "O.X.X.O.. X 1001 0-0"},
      {3, "5", "O.XXX.O.. O 1101 0-0", "O.XXXOO.. X 1001 0-0"},
      {1, "7", "OXXXXOO.. O 1101 0-0", "OXXXXOOO. X 1001 0-0"},
      {8, "9", "OXXXXOOOX O 1101 0-0", "OXXXXOOOX  0000 0-0"}};
  for (const auto& [cell, counter, afterClick, afterReply] : moves) {
    EXPECT_EQ(caption("LBLNUM"), counter);
    clickCell(cell);
    for (int i = 0; i < kCellCount; ++i) clickCell(i);  // refused while the reply is pending
    EXPECT_EQ(state(), afterClick);
    form.tick();
    EXPECT_EQ(state(), afterReply);
  }
  EXPECT_EQ(fakes.messageBox.shown, std::vector{result("There is no winner.  The game is tie!")});
  EXPECT_TRUE(form.control("Frame2").enabled());
  form.timer("Timer3").setInterval(kEveryTick);  // a random reply due on the full board
  form.tick();
  EXPECT_EQ(state() + " " + caption("LBLNUM"), "OXXXXOOOX  0000 0-0 11");
  EXPECT_EQ(std::pair(fakes.random.draws, fakes.random.reseeds), std::pair(3, 3));
}

TEST_F(SinglePlayer, ResultsAreCountedOnceAfterTheBoxClosesAndEveryWayOutLeadsToTheMenu) {
  open("");
  std::vector<std::string> whileOpen;
  fakes.messageBox.whileOpen = [&](const ShownMessage&) { whileOpen.push_back(state()); };
  for (int game = 0; game < 2; ++game) {
    userWins();
    form.control("Command1").click();
  }
  setBoard(".X.OO...X", "5");  // the third "X" leaves O's middle row open
  clickCell(6);
  form.tick();
  form.tick();
  EXPECT_EQ(fakes.messageBox.shown,
            (std::vector{result("You Beat the computer!"), result("You Beat the computer!"),
                         result("The computer beat you!")}));
  EXPECT_EQ(whileOpen, (std::vector<std::string>{"XXXOO.... O 0000 0-0", "XXXOO.... O 0000 1-0",
                                                 ".X.OOOX.X X 0000 2-0"}));
  EXPECT_EQ(state(), ".X.OOOX.X  0000 2-1");
  form.control("Command1").click();
  clickCell(4);
  form.control("Command1").click();  // before the reply ticks: no reply comes
  form.tick();
  EXPECT_EQ(state() + " " + caption("LBLNUM") + " " + caption("Label6"),
            "......... X 1001 2-1 1 PLAYER A");
  // The close box and "&EXIT" lead to the menu, and each opening asks the name again.
  form.requestClose();
  EXPECT_EQ(menuWhileLoaded, std::vector<bool>{true});
  open("   ");
  EXPECT_EQ(fakes.inputBox.prompts, std::vector<std::string>(2, "ENTER YOUR NAME "));
  EXPECT_EQ(caption("Label6"), "   ");  // only an empty name is replaced
  form.control("Command2").click();
  EXPECT_FALSE(form.isLoaded());
  EXPECT_EQ(menuWhileLoaded, (std::vector<bool>{true, true, true}));  // by button, by close
}

// A user who clicks any cell and "&NEW GAME" at random moments; every tick keeps the rules.
// Seeded, these games reach every reply rule, every line struck for either side, and ties.
TEST_F(SinglePlayer, FiveHundredRandomGamesKeepTheRules) {
  open();
  std::mt19937 user(20240611u);
  int games = 0, announcedThisGame = 0, wins = 0, losses = 0;
  fakes.messageBox.whileOpen = [&](const ShownMessage&) {
    wins += form.flags().XWIN == kTrue;
    losses += form.flags().OWIN == kTrue;
    ++games;
    ++announcedThisGame;
  };
  for (int step = 0; step < 100'000 && games < 500 && !HasFailure(); ++step) {
    const int roll = std::uniform_int_distribution<int>(0, 99)(user);
    if (roll < 2 || (caption("turn").empty() && roll < 50)) {
      form.control("Command1").click();
      announcedThisGame = 0;
    } else if (roll < 45) {
      clickCell(roll % kCellCount);
    } else {
      const Cells before = form.cells();
      form.tick();
      const Cells after = form.cells();
      for (std::size_t i = 0; i < after.size(); ++i)
        ASSERT_TRUE(after[i] == before[i] || (before[i].empty() && after[i] == "O")) << i;
      const OutcomeFlags& flags = form.flags();
      ASSERT_LE((flags.XWIN == kTrue) + (flags.OWIN == kTrue) + (flags.TIE == kTrue), 1);
      ASSERT_EQ(announcedThisGame, flags.anySet() ? 1 : 0);  // on the deciding tick, once
      ASSERT_EQ(score(), std::to_string(wins) + "-" + std::to_string(losses));
    }
  }
  EXPECT_EQ(games, 500);
  EXPECT_GT(wins, 0);
  EXPECT_GT(losses, 0);
  EXPECT_GT(games - wins - losses, 0) << "ties";
}

}  // namespace
}  // namespace ttt::test
