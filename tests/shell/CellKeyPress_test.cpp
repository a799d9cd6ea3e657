// A cell key on the real game windows: it is a click on that cell's label, through the same
// handler and the same guards, and nothing more.
#include <gtest/gtest.h>

#include <string>

#include "screens/access/CellKeyPress.h"
#include "shell/Application.h"
#include "shell/Form3.h"
#include "singleplayer/Form2.h"
#include "support/Fakes.h"
#include "support/RecordingWindows.h"
#include "twoplayer/Form1.h"

namespace ttt::test {
namespace {

constexpr auto kKeypad = CellKey::Row::Keypad;
constexpr auto kDigits = CellKey::Row::Digits;

std::string board(const GameForm& form) {
  std::string text;
  for (const std::string& cell : form.cells()) text += cell.empty() ? "." : cell;
  return text;
}

class CellKeyPress : public ::testing::Test {
 protected:
  FakeServices fakes;
  RecordingWindows windows;
  Application app{fakes.services, windows};
};

TEST_F(CellKeyPress, KeysPlaceInTurnAndAreRefusedOnATakenCellOrALockedBoard) {
  Form1& form = app.twoPlayer();
  form.show();
  EXPECT_TRUE(pressCellKey(form, {kKeypad, 7}));  // top left
  EXPECT_TRUE(pressCellKey(form, {kDigits, 5}));  // centre
  EXPECT_TRUE(pressCellKey(form, {kKeypad, 3}));  // bottom right
  EXPECT_EQ(board(form), "X...O...X");
  EXPECT_EQ(form.control("summa").caption(), "O");
  // A taken cell: the key is used up and changes nothing.
  const auto revision = form.revision();
  EXPECT_TRUE(pressCellKey(form, {kDigits, 1}));
  EXPECT_EQ(form.revision(), revision);
  // 0 names no cell, on either row.
  EXPECT_FALSE(pressCellKey(form, {kDigits, 0}));
  EXPECT_FALSE(pressCellKey(form, {kKeypad, 0}));
  // A board locked by its frame takes no key, as it takes no click on a label...
  form.control("Frame2").setEnabled(false);
  EXPECT_TRUE(pressCellKey(form, {kDigits, 2}));
  EXPECT_EQ(board(form), "X...O...X");
  form.control("Frame2").setEnabled(true);
  // ...and a decided game takes none either, even with its frame open.
  EXPECT_TRUE(pressCellKey(form, {kDigits, 4}));  // O
  EXPECT_TRUE(pressCellKey(form, {kDigits, 2}));  // X
  EXPECT_TRUE(pressCellKey(form, {kDigits, 6}));  // O: the middle row
  form.tick();
  ASSERT_TRUE(form.flags().anySet());
  form.control("Frame2").setEnabled(true);
  EXPECT_TRUE(pressCellKey(form, {kDigits, 3}));
  EXPECT_EQ(board(form), "XX.OOO..X");
  // A hidden cell takes no key.
  form.control("Command1").click();
  form.control("S(0)").setVisible(false);
  EXPECT_TRUE(pressCellKey(form, {kDigits, 1}));
  EXPECT_EQ(board(form), ".........");
}

TEST_F(CellKeyPress, TheComputersTurnAndAnOpenBoxRefuseKeysAndTheMenuHasNoCells) {
  Form2& form = app.singlePlayer();
  fakes.random.script({0.0f});  // the reply takes the first empty cell
  form.show();
  EXPECT_TRUE(pressCellKey(form, {kKeypad, 5}));
  EXPECT_EQ(form.control("turn").caption(), "O");
  EXPECT_TRUE(pressCellKey(form, {kKeypad, 1}));  // refused: the computer is to move
  EXPECT_EQ(board(form), "....X....");
  form.tick();
  EXPECT_EQ(board(form), "O...X....");
  EXPECT_TRUE(pressCellKey(form, {kKeypad, 1}));
  EXPECT_EQ(board(form), "O...X.X..");
  EXPECT_EQ(form.control("LBLNUM").caption(), "5");
  // While the result box is open the window's handlers are busy: a key does nothing.
  form.control("Command1").click();
  for (const char* cell : {"S(0)", "S(1)", "S(2)"}) form.control(cell).setCaption("X");
  std::string whileOpen;
  fakes.messageBox.whileOpen = [&](const ShownMessage&) {
    pressCellKey(form, {kDigits, 9});
    whileOpen = board(form);
  };
  form.tick();
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(whileOpen, "XXX......");
  app.showMenu();
  EXPECT_FALSE(pressCellKey(app.menu(), {kDigits, 1}));
}

}  // namespace
}  // namespace ttt::test
