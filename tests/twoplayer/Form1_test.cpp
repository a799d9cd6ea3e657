#include "twoplayer/Form1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/access/CellKeyPress.h"
#include "support/Fakes.h"
#include "support/RecordingWindows.h"

namespace ttt::test {
namespace {

using Texts = std::vector<std::string>;

// The fixture stands in for the application and logs the menu among the window's events.
class TwoPlayerTest : public ::testing::Test, public Navigator {
 protected:
  TwoPlayerTest() { form.setObserver(&windows); }
  void showMenu() override { windows.events.push_back("menu"); }
  void showTwoPlayer() override {}
  void showSinglePlayer() override {}

  void open(std::string nameA = "ANN", std::string nameB = "BOB") {
    fakes.inputBox.answer(std::move(nameA));
    fakes.inputBox.answer(std::move(nameB));
    form.show();
  }
  // Clicks the cells in turn, with one tick after each click.
  void play(const std::vector<int>& cells) {
    for (int cell : cells) {
      form.control("S(" + std::to_string(cell) + ")").click();
      form.tick();
    }
  }
  std::string caption(const std::string& name) { return form.control(name).caption(); }
  bool enabled(const std::string& name) { return form.control(name).enabled(); }
  Texts strikeLinesShown() {
    Texts shown;
    for (int n = 9; n <= 16; ++n) {
      const std::string line = "Line" + std::to_string(n);
      if (form.control(line).visible()) shown.push_back(line);
    }
    return shown;
  }
  Texts lastEvents(long count) { return Texts(windows.events.end() - count, windows.events.end()); }

  FakeServices fakes;
  RecordingWindows windows;
  Form1 form{fakes.services, *this};
};

TEST_F(TwoPlayerTest, AWinIsStruckAndLockedBeforeItIsAnnouncedOnceUntilNewGameAndTheLinksWork) {
  open();
  EXPECT_EQ(fakes.inputBox.prompts, (Texts{"ENTER ' PLAYER A ' NAME", "ENTER ' PLAYER B ' NAME "}));
  EXPECT_EQ(lastEvents(2), (Texts{"Form1 summa", "shown Form1"}));  // "X" moves first
  EXPECT_EQ(caption("summa"), "X");
  play({0, 3, 1, 5, 4, 7, 6, 8});
  const std::uint64_t beforeRefusedClick = form.revision();
  form.control("S(7)").click();
  EXPECT_EQ(form.revision(), beforeRefusedClick);
  form.control("S(2)").click();  // completes two lines, found by the next tick, not by the click
  fakes.messageBox.whileOpen = [&](const ShownMessage&) {  // struck and locked, nothing runs
    EXPECT_EQ(strikeLinesShown(), (Texts{"Line9", "Line16"}));
    EXPECT_FALSE(enabled("Frame2"));
    EXPECT_FALSE(form.hasRunningTimer());
  };
  for (int i = 0; i < 3; ++i) form.tick();
  EXPECT_EQ(fakes.messageBox.shown,
            (std::vector<ShownMessage>{{"ANN Won The Game !", kStyleExclamation, "ANN WON !"}}));
  form.control("Label3").click();  // the links lie outside the locked board
  form.control("Label5").click();
  EXPECT_EQ(fakes.launcher.opened, (std::vector<std::string>{"http://www.orvane.example/games/",
                                                             "mailto:orvane@orvane.example"}));
  form.control("Command1").click();  // the first and the last strike line go, the board opens
  EXPECT_EQ(strikeLinesShown(), Texts{});
  EXPECT_TRUE(enabled("Frame2"));
}

// A cell key is a click as on screen on its cell's label, whose guards the tests check by
// clicks; which cell a key names is the keys' own test.
TEST_F(TwoPlayerTest, ACellKeyGoesOnlyWhereAClickWouldReachNewGameGivesOTheMoveATieLocks) {
  open();
  EXPECT_TRUE(pressCellKey(form, {CellKey::Row::Keypad, 7}));  // top left
  EXPECT_FALSE(pressCellKey(form, {CellKey::Row::Digits, 0})) << "0 names no cell";
  // A locked frame, or a hidden cell, takes no key: the key is used up all the same.
  form.control("Frame2").setEnabled(false);
  EXPECT_TRUE(pressCellKey(form, {CellKey::Row::Digits, 2}));
  form.control("Frame2").setEnabled(true);
  form.control("S(2)").setVisible(false);
  EXPECT_TRUE(pressCellKey(form, {CellKey::Row::Digits, 3}));
  EXPECT_EQ(form.cells(), Cells{"X"});
  play({4});
  form.control("Command1").click();  // mid-game, "X" to move
  EXPECT_EQ(form.cells(), Cells{});
  EXPECT_EQ(caption("summa"), "O");
  play({0, 3, 1, 4, 2});
  form.control("Command1").click();
  play({0, 1, 2, 4, 3, 5, 7, 6, 8});  // O X O / O X X / X O O
  EXPECT_EQ(form.flags().TIE, kTrue);
  EXPECT_FALSE(enabled("Frame2"));
  EXPECT_FALSE(form.hasRunningTimer());
  EXPECT_EQ(
      fakes.messageBox.shown,
      (std::vector<ShownMessage>{{"BOB Won The Game !", kStyleExclamation, "BOB WON !"},
                                 {"There is No Winner ! Tie !", kStyleExclamation, "TIE !"}}));
}

// Each opening asks both names afresh and forgets the last game, whose flag outlives the window.
TEST_F(TwoPlayerTest, OnlyAnEmptyNameGetsTheDefaultEveryNameIsShownAsEnteredAndExitShowsTheMenu) {
  const std::string odd = "Tom & Jerry @home " + std::string(5000, 'Z');
  const Texts answers = {"", "", "   ", odd};
  const Texts labels = {"PLAYER A", "PLAYER B", "   ", odd};
  for (std::size_t i = 0; i < answers.size(); i += 2) {
    open(answers[i], answers[i + 1]);
    EXPECT_EQ(fakes.inputBox.prompts.size(), i + 2);
    EXPECT_FALSE(form.flags().anySet());
    EXPECT_EQ(caption("Label2"), labels[i]);
    EXPECT_EQ(caption("Label6"), labels[i + 1]);
    play({0, 3, 1, 4, 2});
    EXPECT_EQ(
        fakes.messageBox.shown.back(),
        (ShownMessage{labels[i] + " Won The Game !", kStyleExclamation, labels[i] + " WON !"}));
    if (i == 0)
      form.control("Command2").click();
    else
      form.requestClose();
    EXPECT_EQ(lastEvents(2), (Texts{"menu", "unloaded Form1"}));
  }
}

}  // namespace
}  // namespace ttt::test
