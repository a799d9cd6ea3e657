// Cell keys on real windows: which key presses are cell keys, and that one clicks its cell
// from whichever button has the focus, leaving the focus and every other key alone.
#include "WindowsFixture.h"

#include "fltk/CellKeyEvent.h"
#include "screens/Layouts.h"

namespace ttt::test {

using Clicks = std::vector<std::string>;

TEST(CellKeyEvent, KeypadDigitsByKeyDigitRowByTextAndNothingWithCtrlAltOrLogo) {
  for (int digit = 0; digit <= 9; ++digit) {
    const std::string text(1, static_cast<char>('0' + digit));
    const auto keypad = cellKeyOf(FL_KP + '0' + digit, text, 0);
    ASSERT_TRUE(keypad.has_value());
    EXPECT_EQ(keypad->row, CellKey::Row::Keypad);
    EXPECT_EQ(keypad->digit, digit);
    // With Num Lock off the keypad types nothing, and its key as it came is still a digit.
    EXPECT_EQ(cellKeyOf(FL_KP + '0' + digit, "", 0)->row, CellKey::Row::Keypad);
    const auto row = cellKeyOf('0' + digit, text, 0);
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->row, CellKey::Row::Digits);
    EXPECT_EQ(row->digit, digit);
    // A layout that types digits with Shift, on keys that are not digits.
    EXPECT_EQ(cellKeyOf('&', text, FL_SHIFT)->digit, digit);
    for (const int held : {FL_CTRL, FL_ALT, FL_META}) {
      EXPECT_FALSE(cellKeyOf('0' + digit, text, held).has_value());
      EXPECT_FALSE(cellKeyOf(FL_KP + '0' + digit, text, held).has_value());
    }
  }
  for (const auto& [key, text] : std::vector<std::pair<int, std::string>>{{'x', "x"},
                                                                          {'o', "o"},
                                                                          {'1', "!"},
                                                                          {FL_Left, ""},
                                                                          {FL_Home, ""},
                                                                          {FL_KP_Enter, "\r"},
                                                                          {' ', " "},
                                                                          {FL_Tab, "\t"},
                                                                          {FL_Escape, "\033"},
                                                                          {FL_KP + '+', "+"},
                                                                          {'1', "12"}})
    EXPECT_FALSE(cellKeyOf(key, text, 0).has_value()) << key << " " << text;
}

TEST_F(WindowsTest, ACellKeyClicksItsCellAndTheFocusStaysOnItsButton) {
  RecordingForm& form = open(twoPlayerLayout());
  WindowView& window = windowOf(form);
  Fl_Widget* newGame = widget(form, "Command1");
  ASSERT_EQ(Fl::focus(), newGame);
  pressKey(window, FL_KP + '7', "7");
  pressKey(window, FL_Page_Down, "", 0, FL_KP + '3');  // Num Lock off
  pressKey(window, '9', "9");
  pressKey(window, FL_Tab, "\t");
  Fl_Widget* exit = widget(form, "Command2");
  EXPECT_EQ(Fl::focus(), exit);
  pressKey(window, '4', "4");
  pressKey(window, FL_Up, "", 0, FL_KP + '8');  // the keypad's 8 is no arrow, Num Lock off
  EXPECT_EQ(Fl::focus(), exit);
  // Alt with a digit, and other keys, are no cell keys; Space and Alt+N press buttons.
  pressKey(window, '5', "5", FL_ALT);
  pressKey(window, FL_KP + '0', "0");
  pressKey(window, ' ', " ");
  pressKey(window, 'n', "n", FL_ALT);
  EXPECT_EQ(form.clicks, (Clicks{"S(0)", "S(8)", "S(8)", "S(3)", "S(1)", "Command2", "Command1"}));
  // A locked board takes a key as it takes a click: not at all.
  form.control("Frame2").setEnabled(false);
  pressKey(window, '1', "1");
  EXPECT_EQ(form.clicks.size(), 7u);
  form.control("Frame2").setEnabled(true);
  pressKey(window, '1', "1");
  EXPECT_EQ(form.clicks.back(), "S(0)");
  // Alt+N took the focus, as a button's access key does; the arrows still move it, and
  // Escape still closes nothing.
  EXPECT_EQ(Fl::focus(), newGame);
  pressKey(window, FL_Up);
  EXPECT_EQ(Fl::focus(), exit);
  pressKey(window, FL_Escape, "\033");
  EXPECT_TRUE(window.shown());
}

TEST_F(WindowsTest, TheMenuHasNoCellsAndItsButtonsKeepTheirKeys) {
  RecordingForm& form = open(menuLayout());
  WindowView& window = windowOf(form);
  for (const char digit : {'1', '5', '9'}) pressKey(window, digit, std::string(1, digit));
  pressKey(window, FL_KP + '5', "5");
  EXPECT_TRUE(form.clicks.empty());
  pressKey(window, FL_Enter, "\r");  // "&ONE PLAYER" has the focus
  pressKey(window, 't', "t", FL_ALT);
  EXPECT_EQ(form.clicks, (Clicks{"Command1", "Command2"}));
}

}  // namespace ttt::test
