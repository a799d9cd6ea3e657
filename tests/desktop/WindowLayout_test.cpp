// Window sizes, positions, labels that size themselves, literal captions and what the
// window manager is told.
// GoogleTest goes first: Xlib defines macros (None, Bool) that its names would clash with.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <string>
#include <vector>

#include "WindowProbe.h"
#include "WindowsFixture.h"
#include "desktop/Fonts.h"
#include "desktop/LabelView.h"
#include "screens/Layouts.h"

namespace ttt::test {
namespace {

constexpr Rgb kButtonFace{240, 240, 240};

class WindowLayout : public WindowsTest {
 protected:
  LabelView& label(const Form& form, const std::string& name) {
    return dynamic_cast<LabelView&>(widgetOf(form, name));
  }

  // The size of a text drawn literally in a control's font.
  static void measure(const Form& form, const std::string& name, const std::string& text,
                      int& width, int& height) {
    const FontSpec& font = form.control(name).layout().font;
    fl_font(Fonts::face(font), Fonts::pixelSize(font.points));
    width = 0;
    height = 0;
    fl_measure(text.c_str(), width, height, 0);
  }

  // The atoms of a window property, empty when the window has none.
  static std::vector<long> property(Fl_Window& window, const char* name, Atom type) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::vector<long> values;
    const Atom atom = XInternAtom(fl_display, name, False);
    if (XGetWindowProperty(fl_display, fl_xid(&window), atom, 0, 1L << 20, False, type,
                           &actualType, &format, &count, &remaining, &data) == Success &&
        data != nullptr) {
      const auto* items = reinterpret_cast<const long*>(data);
      values.assign(items, items + count);
      XFree(data);
    }
    return values;
  }
};

TEST_F(WindowLayout, ClientAreasAreTheLayoutsInPixels) {
  Form& menu = open(menuLayout());
  EXPECT_EQ(windowOf(menu).w(), 410);
  EXPECT_EQ(windowOf(menu).h(), 164);
  menu.unload();
  Form& twoPlayer = open(twoPlayerLayout());
  EXPECT_EQ(windowOf(twoPlayer).w(), 290);
  EXPECT_EQ(windowOf(twoPlayer).h(), 306);
  EXPECT_STREQ(windowOf(twoPlayer).label(), "TWO PLAYER !");
  twoPlayer.unload();
  Form& singlePlayer = open(singlePlayerLayout());
  EXPECT_EQ(windowOf(singlePlayer).w(), 378);
  EXPECT_EQ(windowOf(singlePlayer).h(), 272);
}

TEST_F(WindowLayout, WindowOpensCentredOnTheScreenWithAFixedSize) {
  Form& form = open(singlePlayerLayout());
  WindowView& window = windowOf(form);
  int left = 0, top = 0, width = 0, height = 0;
  Fl::screen_work_area(left, top, width, height, 0);
  EXPECT_NEAR(window.x() + window.w() / 2, left + width / 2, 1);
  EXPECT_NEAR(window.y() + window.h() / 2, top + height / 2, 1);

  XSizeHints hints{};
  long supplied = 0;
  ASSERT_NE(XGetWMNormalHints(fl_display, fl_xid(&window), &hints, &supplied), 0);
  EXPECT_EQ(hints.min_width, 378);
  EXPECT_EQ(hints.max_width, 378);
  EXPECT_EQ(hints.min_height, 272);
  EXPECT_EQ(hints.max_height, 272);
}

TEST_F(WindowLayout, AutoSizedLabelTakesTheSizeOfItsTextAndKeepsItsCorner) {
  Form& form = open(twoPlayerLayout());
  LabelView& name = label(form, "Label2");
  int width = 0, height = 0;
  measure(form, "Label2", "PLAYER A", width, height);
  EXPECT_EQ(name.x(), 360 / 15);
  EXPECT_EQ(name.y(), 120 / 15);
  EXPECT_EQ(name.w(), width);
  EXPECT_EQ(name.h(), height);

  // A long name widens the label to the right only, under its neighbour Label8.
  const std::string longName = "A VERY LONG NAME INDEED";
  form.control("Label2").setCaption(longName);
  measure(form, "Label2", longName, width, height);
  EXPECT_EQ(name.x(), 360 / 15);
  EXPECT_EQ(name.w(), width);
  EXPECT_GT(name.x() + name.w(), widgetOf(form, "Label8").x());
  EXPECT_EQ(widgetOf(form, "Label8").x(), 1560 / 15);
}

TEST_F(WindowLayout, NamesShowLiterallyWithAmpersandAtSignAndBlanks) {
  Form& form = open(twoPlayerLayout());
  const std::string odd = "A&B x@y.com";
  form.control("Label2").setCaption(odd);
  LabelView& name = label(form, "Label2");
  EXPECT_EQ(name.text(), odd);
  int width = 0, height = 0;
  measure(form, "Label2", odd, width, height);
  EXPECT_EQ(name.w(), width);
  // Read as access keys and symbols, "&&" and "@@" would each show one character, and the
  // text would end halfway: the ink must reach the end of the literal text. The text is
  // short enough to end before Label8, which lies over a long name.
  form.control("Label2").setCaption("&&@@");
  measure(form, "Label2", "&&@@", width, height);
  ASSERT_EQ(name.w(), width);
  const Snapshot shot(windowOf(form));
  EXPECT_GE(shot.rightmostInk(name.x(), name.y(), name.w(), name.h(), kButtonFace),
            name.x() + name.w() - 4);

  int bare = 0;
  measure(form, "Label2", "A", bare, height);
  form.control("Label2").setCaption("  A  ");
  EXPECT_GT(name.w(), bare);
}

TEST_F(WindowLayout, LinkRepeatsItsCaptionAsTooltipAndUnderlinesIt) {
  Form& form = open(twoPlayerLayout());
  LabelView& mail = label(form, "Label5");
  const std::string address = form.control("Label5").caption();
  ASSERT_NE(address.find('@'), std::string::npos);
  std::string escaped;
  for (const char c : address) escaped += c == '@' ? std::string("@@") : std::string(1, c);
  ASSERT_NE(mail.tooltip(), nullptr);
  EXPECT_EQ(std::string(mail.tooltip()), escaped);

  // The underline runs along the bottom of the text, under the whole address.
  const Snapshot shot(windowOf(form));
  const Rgb blue{0, 0, 255};
  int longestBlueRow = 0;
  for (int row = mail.y(); row < mail.y() + mail.h(); ++row) {
    longestBlueRow = std::max(longestBlueRow, shot.count(mail.x(), row, mail.w(), 1, blue));
  }
  EXPECT_GE(longestBlueRow, mail.w() - 2);
  // A label that is not a link has no line under it.
  LabelView& heading = label(form, "Label4");
  const Rgb darkOrange{192, 64, 0};
  int longestOrangeRow = 0;
  for (int row = heading.y(); row < heading.y() + heading.h(); ++row) {
    longestOrangeRow = std::max(longestOrangeRow,
                                shot.count(heading.x(), row, heading.w(), 1, darkOrange));
  }
  EXPECT_LT(longestOrangeRow, heading.w() / 2);
}

TEST_F(WindowLayout, ChangesMadeWhileLoadingShowWhenTheWindowOpens) {
  RecordingForm& form = open(twoPlayerLayout(),
                             [](RecordingForm& loading) { loading.control("Label2").setCaption("Zoë"); });
  EXPECT_EQ(label(form, "Label2").text(), "Zoë");
  form.unload();
  // Shown again, the window is rebuilt from the layout and the form's current controls.
  form.whileLoading = nullptr;
  form.show();
  EXPECT_EQ(label(form, "Label2").text(), "PLAYER A");
}

TEST_F(WindowLayout, MenuStaysOffTheTaskbarWithOneIconAndGameWindowsHaveTwoSizes) {
  const long skipTaskbar =
      static_cast<long>(XInternAtom(fl_display, "_NET_WM_STATE_SKIP_TASKBAR", False));
  Form& menu = open(menuLayout());
  const std::vector<long> menuState = property(windowOf(menu), "_NET_WM_STATE", XA_ATOM);
  EXPECT_NE(std::find(menuState.begin(), menuState.end(), skipTaskbar), menuState.end());
  const std::vector<long> menuIcon = property(windowOf(menu), "_NET_WM_ICON", XA_CARDINAL);
  ASSERT_EQ(menuIcon.size(), 2u + 32 * 32);
  EXPECT_EQ(menuIcon[0], 32);
  menu.unload();

  Form& game = open(singlePlayerLayout());
  const std::vector<long> gameState = property(windowOf(game), "_NET_WM_STATE", XA_ATOM);
  EXPECT_EQ(std::find(gameState.begin(), gameState.end(), skipTaskbar), gameState.end());
  const std::vector<long> gameIcon = property(windowOf(game), "_NET_WM_ICON", XA_CARDINAL);
  ASSERT_EQ(gameIcon.size(), 2u + 32 * 32 + 2u + 16 * 16);
  EXPECT_EQ(gameIcon[0], 32);
  EXPECT_EQ(gameIcon[2 + 32 * 32], 16);
}

}  // namespace
}  // namespace ttt::test
