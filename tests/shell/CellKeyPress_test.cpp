// A cell key on the real game windows is a click as on screen on that cell's label: the same
// handler with the same guards, which the windows' own tests check by clicks.
#include "screens/access/CellKeyPress.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/Application.h"
#include "shell/Form3.h"
#include "support/Fakes.h"
#include "support/RecordingWindows.h"
#include "twoplayer/Form1.h"

namespace ttt::test {
namespace {

std::string board(const GameForm& form) {
  std::string text;
  for (const std::string& cell : form.cells()) text += cell.empty() ? "." : cell;
  return text;
}

TEST(CellKeyPress, AKeyClicksItsCellOnlyWhereAClickOnScreenWouldReachIt) {
  FakeServices fakes;
  RecordingWindows windows;
  Application app{fakes.services, windows};
  Form1& form = app.twoPlayer();
  form.show();
  EXPECT_TRUE(pressCellKey(form, {CellKey::Row::Keypad, 7}));  // top left
  EXPECT_TRUE(pressCellKey(form, {CellKey::Row::Digits, 5}));  // centre
  EXPECT_EQ(board(form), "X...O....");
  for (const auto row : {CellKey::Row::Digits, CellKey::Row::Keypad})
    EXPECT_FALSE(pressCellKey(form, {row, 0})) << "0 names no cell";
  // A locked frame, or a hidden cell, takes no key: the key is used up all the same.
  form.control("Frame2").setEnabled(false);
  EXPECT_TRUE(pressCellKey(form, {CellKey::Row::Digits, 2}));
  form.control("Frame2").setEnabled(true);
  form.control("S(2)").setVisible(false);
  EXPECT_TRUE(pressCellKey(form, {CellKey::Row::Digits, 3}));
  EXPECT_EQ(board(form), "X...O....");
  app.showMenu();
  EXPECT_FALSE(pressCellKey(app.menu(), {CellKey::Row::Digits, 1})) << "the menu has no cells";
}

}  // namespace
}  // namespace ttt::test
