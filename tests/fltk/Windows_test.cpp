// The windows on screen: pixels at the layouts' coordinates, mouse, keyboard and closing.
#include "WindowsFixture.h"

#include <FL/fl_draw.H>

#include "fltk/Fonts.h"
#include "screens/Layouts.h"
#include "screens/Placement.h"

namespace ttt::test {

using Clicks = std::vector<std::string>;
constexpr Rgb kRed{255, 0, 0}, kYellow{255, 255, 0}, kButtonFace{240, 240, 240};

// A point given in twips inside a board frame whose corner is `frame` pixels in.
static int px(int frame, int twips) { return frame + twips / 15; }

TEST_F(WindowsTest, TwoPlayerWindowDrawsItsBoardAndNamesAndTakesClicksOnCellLabels) {
  // A name set while the form loads, before its window exists.
  RecordingForm& form = open(twoPlayerLayout(), [](RecordingForm& loading) {
    loading.control("Label2").setCaption("  &&@@");
  });
  WindowView& window = windowOf(form);
  EXPECT_EQ(Fl::focus(), widget(form, "Command1"));
  EXPECT_TRUE(offersOnlyClose(window));
  const Snapshot before(window);
  for (const int x : {1320, 2280, 480, 3120})
    EXPECT_EQ(before.at(px(24, x), px(24, 1500)), kRed) << x;
  for (const int y : {1080, 1800, 360, 2520})
    EXPECT_EQ(before.at(px(24, 900), px(24, y)), kRed) << y;
  // From inside the left column to inside the middle one, only the inner vertical, 4 pixels wide.
  EXPECT_EQ(before.count(px(24, 1000), px(24, 1500), 30, 1, kRed), 4);
  // S(0) shows the inactive border colour, S(1) the window's.
  EXPECT_EQ(before.count(px(24, 720), px(24, 480), 33, 33, Rgb{244, 247, 252}), 33 * 33);
  EXPECT_EQ(before.count(px(24, 1560), px(24, 480), 33, 33, kButtonFace), 33 * 33);
  EXPECT_EQ(before.count(0, 0, 290, 306, kYellow), 0);
  form.control("Line9").setVisible(true);
  form.control("Line15").setVisible(true);
  const Snapshot struck(window);
  EXPECT_EQ(struck.count(px(24, 1800), px(24, 600), 1, 16, kYellow), 3);  // across S(1)
  EXPECT_EQ(struck.at(px(24, 1320), px(24, 720)), kYellow);               // over the grid
  EXPECT_EQ(struck.at(px(24, 1860), px(24, 1440)), kYellow);              // Line15's middle
  form.control("Line9").setVisible(false);
  form.control("Line15").setVisible(false);
  EXPECT_TRUE(Snapshot(window) == before);
  // The name label takes the size of its text drawn literally, from its own corner...
  const FontSpec& font = form.control("Label2").layout().font;
  fl_font(fonts::face(font), pointsToPixels(font.points, 96));
  std::array<int, 4> literal{24, 8, 0, 0};
  fl_measure("  &&@@", literal[2], literal[3], 0);
  const Fl_Widget& name = *widget(form, "Label2");
  EXPECT_EQ((std::array{name.x(), name.y(), name.w(), name.h()}), literal);
  // ...and draws it so: read as access keys and symbols, "&&@@" would end early.
  EXPECT_LT(before.count(24 + name.w() - 4, 8, 4, name.h(), kButtonFace), 4 * name.h());

  clickOn(form, "S(4)");
  clickOn(form, "Label5");
  // In the left middle square outside S(3), on an inner grid line, in the frame off the board.
  for (const int x : {540, 1320, 200}) clickAt(window, px(24, x), px(24, 1440));
  // A locked board takes no click, not even one pressed before it locked, and looks the same.
  form.controlArray("S", 9)[4].setCaption("X");
  const Snapshot unlocked(window);
  const Fl_Widget& cell = *widget(form, "S(8)");
  clickAt(window, cell.x() + 5, cell.y() + 5, [&] { form.control("Frame2").setEnabled(false); });
  clickOn(form, "S(0)");
  EXPECT_TRUE(Snapshot(window) == unlocked);
  form.control("Frame2").setEnabled(true);
  clickOn(form, "S(0)");
  EXPECT_EQ(form.clicks, (Clicks{"S(4)", "Label5", "S(0)"}));
  pressKey(window, FL_Escape, "\033");
  EXPECT_TRUE(form.isLoaded());
  EXPECT_TRUE(window.shown());
  Fl::handle(FL_CLOSE, &window);
  EXPECT_EQ(form.closeReasons, std::vector<std::int16_t>{kCloseFromControlMenu});
  EXPECT_EQ(windows.window(form), nullptr);
}

TEST_F(WindowsTest, SinglePlayerWindowDrawsItsGridOverAStrikeAndFocusesExitFirst) {
  Form& form = open(singlePlayerLayout());
  WindowView& window = windowOf(form);
  // "&EXIT" lies over "&NEW GAME" yet comes first in tab order.
  for (const char* focused : {"Command2", "Command1", "Command2"}) {
    EXPECT_EQ(Fl::focus(), widget(form, focused)) << focused;
    pressKey(window, FL_Tab);
  }
  form.control("Line9").setVisible(true);
  const Snapshot shot(window);
  EXPECT_EQ(shot.at(px(16, 1320), px(24, 720)), kRed);
  EXPECT_EQ(shot.at(px(16, 1800), px(24, 720)), kYellow);
}

TEST_F(WindowsTest, MenuButtonsAnswerSpaceEnterTabAndAltKeys) {
  RecordingForm& menu = open(menuLayout());
  WindowView& window = windowOf(menu);
  EXPECT_EQ(Fl::focus(), widget(menu, "Command1"));
  pressKey(window, ' ', " ");
  for (const int enter : {FL_Enter, FL_KP_Enter}) {
    pressKey(window, FL_Tab);
    pressKey(window, enter, "\r");
  }
  pressKey(window, FL_Tab);
  EXPECT_EQ(Fl::focus(), widget(menu, "Command1"));
  for (const char key : {'t', 'e', 'o'}) pressKey(window, key, std::string(1, key), FL_ALT);
  // Without Alt, a letter presses nothing, nor does Enter with another modifier.
  pressKey(window, 'o', "o");
  pressKey(window, 'E', "E", FL_SHIFT);
  pressKey(window, FL_Enter, "\r", FL_CTRL);
  EXPECT_EQ(menu.clicks,
            (Clicks{"Command1", "Command2", "Command3", "Command2", "Command3", "Command1"}));
}

}  // namespace ttt::test
