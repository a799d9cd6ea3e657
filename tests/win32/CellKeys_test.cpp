// The games played with the keyboard alone on real windows under Wine: the keypad by position
// with Num Lock on and off, the digit row in reading order, each key a click on its cell.
#include "GameWindowsFixture.h"

#include <algorithm>
#include <initializer_list>
#include <string>

namespace ttt::test {
namespace {

constexpr LPARAM kExtendedKey = LPARAM{1} << 24;
constexpr LPARAM kRepeat = LPARAM{1} << 30;

std::wstring focusedText() {
  wchar_t text[64] = {};
  GetWindowTextW(GetFocus(), text, 64);
  return text;
}

class CellKeysTest : public GameWindowsTest {
 protected:
  void press(std::initializer_list<WPARAM> keys) {
    for (const WPARAM key : keys) pressKey(key);
  }
};

TEST_F(CellKeysTest, TheKeypadPlacesByPositionToAWinAndTheDigitRowInReadingOrderToATie) {
  ASSERT_NE(openTwoPlayer(), nullptr);
  Form& form = app.twoPlayer();
  // Num Lock on: X top left, O middle left, X top middle, O centre, X top right.
  press({VK_NUMPAD7, VK_NUMPAD4, VK_NUMPAD8, VK_NUMPAD5, VK_NUMPAD9});
  EXPECT_EQ(board(form), "XXXOO....");
  ASSERT_TRUE(pumpUntil([&] { return !fakes.messageBox.shown.empty(); }));
  EXPECT_EQ(fakes.messageBox.shown.at(0).title, "PLAYER A WON !");
  pressKey(VK_NUMPAD3);  // the board is locked
  EXPECT_EQ(board(form), "XXXOO....");
  EXPECT_EQ(focusedText(), L"&NEW GAME") << "the keys moved the focus";

  pressKey(VK_SPACE);  // the focused NEW GAME: O moves first
  ASSERT_EQ(board(form), ".........");
  press({'1', '2', '3', '5', '4', '6', '8', '7', '9'});
  EXPECT_EQ(board(form), "OXOOXXXOO");
  ASSERT_TRUE(pumpUntil([&] { return fakes.messageBox.shown.size() == 2; }));
  EXPECT_EQ(fakes.messageBox.shown.at(1).title, "TIE !");
  EXPECT_EQ(focusedText(), L"&NEW GAME");
}

TEST_F(CellKeysTest, WithoutNumLockTheKeypadStillPlacesButTheKeysBesideItDoNot) {
  ASSERT_NE(openTwoPlayer(), nullptr);
  Form& form = app.twoPlayer();
  // The dedicated Home, End, arrow and page keys, and the digits 0.
  for (const WPARAM key : {VK_HOME, VK_UP, VK_PRIOR, VK_LEFT, VK_RIGHT, VK_END, VK_DOWN, VK_NEXT}) {
    pressKey(key, kExtendedKey);
  }
  press({VK_NUMPAD0, '0', VK_INSERT});
  EXPECT_EQ(board(form), ".........");
  EXPECT_EQ(focusedText(), L"&NEW GAME");
  press({VK_HOME, VK_UP, VK_PRIOR, VK_CLEAR, VK_LEFT, VK_RIGHT, VK_DOWN, VK_END});
  EXPECT_EQ(board(form), "XOXXOOOX.");
  pressKey(VK_NEXT, kRepeat);  // a held key's repeat is no new press
  EXPECT_EQ(board(form), "XOXXOOOX.");
  pressKey(VK_NEXT);
  EXPECT_EQ(board(form), "XOXXOOOXX");
}

TEST_F(CellKeysTest, AKeyIsRefusedWhereAClickIsAndTheButtonKeysKeepTheirMeaning) {
  ASSERT_NE(openTwoPlayer(), nullptr);
  Form& form = app.twoPlayer();
  pressKey('5');
  pressKey('5');  // taken
  EXPECT_EQ(board(form), "....X....");
  EXPECT_EQ(form.control("summa").caption(), "O");
  form.control("Frame2").setEnabled(false);  // the mouse cannot reach the cells now
  pressKey('1');
  EXPECT_EQ(board(form), "....X....");
  form.control("Frame2").setEnabled(true);
  pressKey('1');
  EXPECT_EQ(board(form), "O...X....");

  pressKey(VK_TAB);
  EXPECT_EQ(focusedText(), L"&EXIT");
  pressKey('2');
  EXPECT_EQ(focusedText(), L"&EXIT");
  EXPECT_EQ(board(form), "OX..X....");
  PostMessageW(GetFocus(), WM_SYSCHAR, 'n', 0x20000000);  // Alt+N
  settle();
  EXPECT_EQ(board(form), ".........");
  EXPECT_TRUE(shown(L"TWO PLAYER !"));
}

TEST_F(CellKeysTest, TheComputersTurnRefusesKeysAndTheGameEndsWithKeysAlone) {
  ASSERT_NE(openSinglePlayer(), nullptr);
  Form& form = app.singlePlayer();
  EXPECT_EQ(focusedText(), L"&EXIT");
  // Two keys at once: the second comes while the computer has yet to reply.
  const HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, VK_NUMPAD5, 1);
  PostMessageW(focus, WM_KEYDOWN, VK_NUMPAD1, 1);
  settle();
  ASSERT_TRUE(pumpUntil([&] { return form.control("turn").caption() == "X"; }));
  const std::string afterReply = board(form);
  EXPECT_EQ(afterReply[4], 'X');
  EXPECT_NE(afterReply[6], 'X');
  EXPECT_EQ(std::count(afterReply.begin(), afterReply.end(), 'O'), 1);

  // Then the first empty cell in reading order, by its digit, until the result is out.
  playSinglePlayerToTheResult();
  EXPECT_EQ(focusedText(), L"&EXIT");
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  const bool tie = fakes.messageBox.shown[0].prompt == "There is no winner.  The game is tie!";
  const int counted = std::stoi(form.control("Label10(0)").caption()) +
                      std::stoi(form.control("Label10(1)").caption());
  EXPECT_EQ(counted, tie ? 0 : 1);
  EXPECT_TRUE(shown(L"SINGLE PLAYER !"));
}

}  // namespace
}  // namespace ttt::test
