// The real program's windows on screen, driven through the toolkit as a person would, with
// scripted dialogs.
#include <FL/Fl.H>
#include <gtest/gtest.h>

#include "WindowProbe.h"
#include "desktop/DesktopWindows.h"
#include "desktop/LabelView.h"
#include "desktop/TimerPump.h"
#include "desktop/WindowView.h"
#include "shell/Application.h"
#include "shell/Form3.h"
#include "support/Fakes.h"
#include "twoplayer/Form1.h"

namespace ttt::test {
namespace {

class WindowApplication : public ::testing::Test {
 protected:
  WindowView* windowOf(const Form& form) { return windows.window(form); }

  void clickCell(WindowView& window, int index) {
    const Fl_Widget* cell = window.widget("S(" + std::to_string(index) + ")");
    ASSERT_NE(cell, nullptr);
    clickAt(window, cell->x() + cell->w() / 2, cell->y() + cell->h() / 2);
  }

  // The menu, then "&TWO PLAYER" by its access key.
  WindowView& openTwoPlayer() {
    app.start();
    pressKey(*windowOf(app.menu()), 't', "t", FL_ALT);
    return *windowOf(app.twoPlayer());
  }

  FakeServices fakes;
  TimerPump pump;
  DesktopWindows windows{pump};
  Application app{fakes.services, windows};
};

TEST_F(WindowApplication, TwoPlayerGameIsPlayedStruckAndAnnouncedOnScreen) {
  fakes.inputBox.answer("Ann & Co");
  fakes.inputBox.answer("B@b");
  WindowView& game = openTwoPlayer();
  EXPECT_EQ(windowOf(app.menu()), nullptr);
  EXPECT_EQ(dynamic_cast<LabelView*>(game.widget("Label2"))->text(), "Ann & Co");
  EXPECT_EQ(dynamic_cast<LabelView*>(game.widget("Label6"))->text(), "B@b");

  for (const int index : {0, 3, 1, 4, 2}) clickCell(game, index);
  EXPECT_EQ(dynamic_cast<LabelView*>(game.widget("S(3)"))->text(), "O");
  ASSERT_TRUE(waitUntil([this] { return !fakes.messageBox.shown.empty(); }));
  EXPECT_EQ(fakes.messageBox.shown.front().title, "Ann & Co WON !");
  EXPECT_TRUE(game.widget("Line9")->visible());
  EXPECT_EQ(Snapshot(game).at(24 + 1800 / 15, 24 + 720 / 15), (Rgb{255, 255, 0}));

  // Announced once; with both timers stopped the pump goes to sleep, and the locked board
  // takes no more marks.
  ASSERT_TRUE(waitUntil([this] { return pump.sleeping(); }));
  EXPECT_EQ(fakes.messageBox.shown.size(), 1u);
  clickCell(game, 5);
  EXPECT_EQ(dynamic_cast<LabelView*>(game.widget("S(5)"))->text(), "");
}

TEST_F(WindowApplication, ExitReturnsToTheMenuWithFocusOnOnePlayer) {
  WindowView& game = openTwoPlayer();
  pressKey(game, 'e', "e", FL_ALT);
  EXPECT_EQ(windowOf(app.twoPlayer()), nullptr);
  WindowView* menu = windowOf(app.menu());
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(Fl::focus(), menu->widget("Command1"));
  // The game window was handed to the toolkit for deletion; only the menu remains.
  EXPECT_TRUE(waitUntil([menu] { return Fl::first_window() == menu && !Fl::next_window(menu); }));
}

TEST_F(WindowApplication, MenuCloseBoxShowsTheContactBoxAndLeavesNoWindow) {
  app.start();
  Fl::handle(FL_CLOSE, windowOf(app.menu()));
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown.front().title, "CONTACT !");
  EXPECT_FALSE(app.anyWindowOpen());
  EXPECT_TRUE(waitUntil([] { return Fl::first_window() == nullptr; }));
}

}  // namespace
}  // namespace ttt::test
