// Mouse and keyboard delivered through the toolkit's own dispatch, and closing.
#include <FL/Fl.H>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WindowProbe.h"
#include "WindowsFixture.h"
#include "screens/Layouts.h"

namespace ttt::test {
namespace {

using Clicks = std::vector<std::string>;

class WindowInput : public WindowsTest {
 protected:
  Fl_Widget* focusOf(const Form& form, const std::string& name) {
    return &widgetOf(form, name);
  }
  void press(const Form& form, int key, const std::string& text = "", int state = 0) {
    pressKey(windowOf(form), key, text, state);
  }
  // The centre of a control's widget, in window pixels.
  void clickOn(const Form& form, const std::string& name) {
    const Fl_Widget& widget = widgetOf(form, name);
    clickAt(windowOf(form), widget.x() + widget.w() / 2, widget.y() + widget.h() / 2);
  }
};

TEST_F(WindowInput, ClickOnALabelClicksItAndBesideACellLabelNothing) {
  RecordingForm& form = open(twoPlayerLayout());
  clickOn(form, "S(4)");
  clickOn(form, "S(0)");
  clickOn(form, "Label5");
  EXPECT_EQ(form.clicks, (Clicks{"S(4)", "S(0)", "Label5"}));
  form.clicks.clear();
  // In the left middle square, 60 twips inside the board's left edge, outside S(3); then on
  // an inner grid line; then in the frame outside the board.
  clickAt(windowOf(form), 24 + 540 / 15, 24 + 1440 / 15);
  clickAt(windowOf(form), 24 + 1320 / 15, 24 + 1440 / 15);
  clickAt(windowOf(form), 24 + 200 / 15, 24 + 1440 / 15);
  EXPECT_EQ(form.clicks, Clicks{});
}

TEST_F(WindowInput, DisabledBoardTakesNoClicksUntilEnabledAgain) {
  RecordingForm& form = open(twoPlayerLayout());
  form.control("Frame2").setEnabled(false);
  clickOn(form, "S(4)");
  EXPECT_EQ(form.clicks, Clicks{});
  form.control("Frame2").setEnabled(true);
  clickOn(form, "S(4)");
  EXPECT_EQ(form.clicks, Clicks{"S(4)"});
}

TEST_F(WindowInput, BoardDisabledBetweenPressAndReleaseGivesNoClick) {
  RecordingForm& form = open(twoPlayerLayout());
  WindowView& window = windowOf(form);
  const Fl_Widget& cell = widgetOf(form, "S(4)");
  Fl::e_x = cell.x() + 5;
  Fl::e_y = cell.y() + 5;
  Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
  Fl::e_state = FL_BUTTON1;
  Fl::handle(FL_PUSH, &window);
  form.control("Frame2").setEnabled(false);
  Fl::e_state = 0;
  Fl::handle(FL_RELEASE, &window);
  EXPECT_EQ(form.clicks, Clicks{});
}

TEST_F(WindowInput, FocusStartsOnTheButtonWithTheLowestTabIndex) {
  Form& twoPlayer = open(twoPlayerLayout());
  EXPECT_EQ(Fl::focus(), focusOf(twoPlayer, "Command1"));  // "&NEW GAME"
  twoPlayer.unload();
  Form& singlePlayer = open(singlePlayerLayout());
  EXPECT_EQ(Fl::focus(), focusOf(singlePlayer, "Command2"));  // "&EXIT"
  singlePlayer.unload();
  Form& menu = open(menuLayout());
  EXPECT_EQ(Fl::focus(), focusOf(menu, "Command1"));  // "&ONE PLAYER"
}

TEST_F(WindowInput, TabFollowsTabIndexNotStackingOrder) {
  Form& menu = open(menuLayout());
  press(menu, FL_Tab);
  EXPECT_EQ(Fl::focus(), focusOf(menu, "Command2"));
  press(menu, FL_Tab);
  EXPECT_EQ(Fl::focus(), focusOf(menu, "Command3"));
  press(menu, FL_Tab);
  EXPECT_EQ(Fl::focus(), focusOf(menu, "Command1"));
  press(menu, FL_Tab, "", FL_SHIFT);
  EXPECT_EQ(Fl::focus(), focusOf(menu, "Command3"));
  menu.unload();

  // "&EXIT" lies over "&NEW GAME" yet comes first.
  Form& singlePlayer = open(singlePlayerLayout());
  press(singlePlayer, FL_Tab);
  EXPECT_EQ(Fl::focus(), focusOf(singlePlayer, "Command1"));
  press(singlePlayer, FL_Tab);
  EXPECT_EQ(Fl::focus(), focusOf(singlePlayer, "Command2"));
}

TEST_F(WindowInput, SpaceAndEnterPressTheFocusedButton) {
  RecordingForm& menu = open(menuLayout());
  press(menu, ' ', " ");
  press(menu, FL_Tab);
  press(menu, FL_Enter, "\r");
  press(menu, FL_Tab);
  press(menu, FL_KP_Enter, "\r");
  EXPECT_EQ(menu.clicks, (Clicks{"Command1", "Command2", "Command3"}));
}

TEST_F(WindowInput, AltWithTheUnderlinedLetterPressesItsButtonFromAnywhere) {
  RecordingForm& menu = open(menuLayout());
  press(menu, 't', "t", FL_ALT);
  press(menu, 'e', "e", FL_ALT);
  press(menu, 'o', "o", FL_ALT);
  EXPECT_EQ(menu.clicks, (Clicks{"Command2", "Command3", "Command1"}));
  menu.unload();

  RecordingForm& game = open(twoPlayerLayout());
  press(game, 'e', "e", FL_ALT);
  press(game, 'n', "n", FL_ALT);
  EXPECT_EQ(game.clicks, (Clicks{"Command2", "Command1"}));
}

TEST_F(WindowInput, LetterWithoutAltPressesNothing) {
  RecordingForm& game = open(twoPlayerLayout());
  press(game, 'n', "n");
  press(game, 'e', "E", FL_SHIFT);
  press(game, FL_Enter, "\r", FL_CTRL);
  EXPECT_EQ(game.clicks, Clicks{});
}

TEST_F(WindowInput, EscapeClosesNothingAndTheCloseBoxAsksTheForm) {
  RecordingForm& form = open(twoPlayerLayout());
  press(form, FL_Escape, "\033");
  EXPECT_TRUE(form.isLoaded());
  EXPECT_TRUE(windowOf(form).shown());
  EXPECT_TRUE(form.closeReasons.empty());

  Fl::handle(FL_CLOSE, &windowOf(form));
  EXPECT_EQ(form.closeReasons, std::vector<std::int16_t>{kCloseFromControlMenu});
  EXPECT_FALSE(form.isLoaded());
  EXPECT_EQ(windows.window(form), nullptr);
}

TEST_F(WindowInput, ButtonThatUnloadsItsOwnWindowLeavesNothingBehind) {
  RecordingForm& form = open(twoPlayerLayout());
  form.whenClicked("Command2", [&form] { form.unload(); });
  clickOn(form, "Command2");
  EXPECT_FALSE(form.isLoaded());
  EXPECT_EQ(windows.window(form), nullptr);
  EXPECT_TRUE(waitUntil([] { return Fl::first_window() == nullptr; }));
  // Shown again, it gets a window of its own that takes clicks.
  form.show();
  clickOn(form, "S(8)");
  EXPECT_EQ(form.clicks, Clicks{"S(8)"});
}

}  // namespace
}  // namespace ttt::test
