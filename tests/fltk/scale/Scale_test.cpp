// The windows at the scale the display asks for: each run of this suite has a server of its
// own whose Xft.dpi is TTT_XFT_DPI (96, 120, 144 or 192).
#include "../WindowsFixture.h"  // first: GoogleTest before the X headers

#include <FL/Fl_Tooltip.H>
#include <FL/fl_draw.H>

#include <cstdlib>
#include <map>
#include <string>
#include <utility>

#include "fltk/FltkDialogs.h"
#include "fltk/Fonts.h"
#include "fltk/ShapedText.h"
#include "fltk/TooltipWindow.h"
#include "screens/Layouts.h"

namespace ttt::test {
namespace {

constexpr Rgb kRed{255, 0, 0}, kYellow{255, 255, 0}, kInactiveBorder{244, 247, 252};

class ScaleTest : public WindowsTest {
 protected:
  // The dots per inch this run's display was given.
  static int givenDpi() {
    const char* given = std::getenv("TTT_XFT_DPI");
    return given != nullptr ? std::atoi(given) : 0;
  }
  // Twips to pixels at the given scale, rounded to the nearest pixel, halves up.
  int at(int twips) const { return (2 * twips * givenDpi() + 1440) / 2880; }
  // A width in pixels at 96 dots per inch, at the given scale.
  int width(int pixelsAt96) const { return (2 * pixelsAt96 * givenDpi() + 96) / 192; }
  // The two-player window's board frame: its corner in window pixels, 360 twips in.
  int frame(int twips) const { return at(360) + at(twips); }
};

TEST_F(ScaleTest, ReadsTheDisplaysXftDpi) {
  ASSERT_NE(givenDpi(), 0) << "run with TTT_XFT_DPI set";
  EXPECT_EQ(scale.dpi(), givenDpi());
}

TEST_F(ScaleTest, ClientAreasGrowWithTheScale) {
  const std::map<int, std::array<int, 2>> menu = {
      {96, {410, 164}}, {120, {513, 205}}, {144, {615, 246}}, {192, {820, 328}}};
  ASSERT_EQ(menu.count(givenDpi()), 1u);
  const Fl_Window& shown = windowOf(open(menuLayout()));
  EXPECT_EQ((std::array{shown.w(), shown.h()}), menu.at(givenDpi()));
  for (const FormLayout* layout : {&twoPlayerLayout(), &singlePlayerLayout()}) {
    const Fl_Window& window = windowOf(open(*layout));
    EXPECT_EQ((std::array{window.w(), window.h()}),
              (std::array{at(layout->clientWidth), at(layout->clientHeight)}))
        << layout->caption;
  }
}

TEST_F(ScaleTest, GridAndStrikeLinesLieAtTheirScaledPixelsInTheirScaledWidths) {
  RecordingForm& form = open(twoPlayerLayout());
  form.control("Line9").setVisible(true);
  const Snapshot shot(windowOf(form));
  // Across the inner vertical Line1 at 1320, from inside the left column to the middle one.
  const int row = frame(1500);
  EXPECT_EQ(shot.count(frame(1000), row, frame(1500) - frame(1000), 1, kRed), width(4));
  EXPECT_EQ(shot.at(frame(1320), row), kRed);
  EXPECT_NE(shot.at(frame(1320) - width(4), row), kRed);
  EXPECT_NE(shot.at(frame(1320) + width(4), row), kRed);
  // Down through the inner horizontal Line3 at 1080, in the left column.
  const int column = frame(900);
  EXPECT_EQ(shot.count(column, frame(800), 1, frame(1300) - frame(800), kRed), width(4));
  EXPECT_EQ(shot.at(column, frame(1080)), kRed);
  // The top row's strike, Line9 at 720, crossing S(1) in yellow.
  EXPECT_EQ(shot.count(frame(1800), frame(600), 1, at(240), kYellow), width(3));
  EXPECT_EQ(shot.at(frame(1800), frame(720)), kYellow);
  EXPECT_EQ(shot.at(frame(1320), frame(720)), kYellow) << "over the grid";
}

TEST_F(ScaleTest, SinglePlayerGridLiesOverItsStrikeAndItsScoreBoxLinesScale) {
  RecordingForm& form = open(singlePlayerLayout());
  form.control("Line9").setVisible(true);
  const Snapshot shot(windowOf(form));
  // Its board frame is 240 twips in and 360 down.
  const auto fx = [&](int twips) { return at(240) + at(twips); };
  const auto fy = [&](int twips) { return at(360) + at(twips); };
  EXPECT_EQ(shot.at(fx(1320), fy(720)), kRed) << "the grid over the strike";
  EXPECT_EQ(shot.at(fx(1800), fy(720)), kYellow);
  EXPECT_EQ(shot.count(fx(1800), fy(600), 1, at(240), kYellow), width(3));
  // The score box's divider Line17 at 4680, orange and 3 pixels wide at 96 dots per inch.
  const Rgb orange{255, 128, 0};
  EXPECT_EQ(shot.count(at(4600), at(2400), at(4760) - at(4600), 1, orange), width(3));
  EXPECT_EQ(shot.at(at(4680), at(2400)), orange);
}

TEST_F(ScaleTest, TheTopLeftCellsSquareAndItsClickTargetScale) {
  RecordingForm& form = open(twoPlayerLayout());
  WindowView& window = windowOf(form);
  const Snapshot shot(window);
  const int left = frame(720), top = frame(480), side = at(495);
  EXPECT_EQ(shot.count(left, top, side, side, kInactiveBorder), side * side);
  EXPECT_NE(shot.at(left + side, top), kInactiveBorder);
  EXPECT_NE(shot.at(left, top + side), kInactiveBorder);
  // Just inside S(4)'s label at two corners, then just outside it on each side.
  const int left4 = frame(1560), top4 = frame(1200), side4 = at(495);
  clickAt(window, left4, top4);
  clickAt(window, left4 + side4 - 1, top4 + side4 - 1);
  for (const auto& [x, y] : {std::pair{left4 - 1, top4 + 5},
                             {left4 + side4, top4 + 5},
                             {left4 + 5, top4 - 1},
                             {left4 + 5, top4 + side4}}) {
    clickAt(window, x, y);
  }
  EXPECT_EQ(form.clicks, (std::vector<std::string>{"S(4)", "S(4)"}));
}

TEST_F(ScaleTest, FontsArePointsTimesDotsPerInchOver72) {
  RecordingForm& form = open(twoPlayerLayout());
  // The names' 9.75 points: the labels take the size of their text at that many pixels.
  for (const auto& [name, points] : {std::pair{"Label2", 9.75}, {"Label6", 9.75}}) {
    const FontSpec& font = form.control(name).layout().font;
    EXPECT_EQ(font.points, points);
    const int pixels = static_cast<int>(points * givenDpi() / 72 + 0.5);
    fl_font(fonts::face(font), pixels);
    int w = 0, h = 0;
    fl_measure(form.control(name).caption().c_str(), w, h, 0);
    const Fl_Widget& label = *widget(form, name);
    EXPECT_EQ((std::array{label.w(), label.h()}), (std::array{w, h})) << name;
  }
  const Fl_Widget* button = widget(form, "Command1");
  EXPECT_EQ(button->labelsize(), static_cast<int>(9.75 * givenDpi() / 72 + 0.5));
}

TEST_F(ScaleTest, TheFramesEtchedBorderIsAsWideAsOnePixelAtThisScale) {
  RecordingForm& form = open(twoPlayerLayout());
  const Snapshot shot(windowOf(form));
  const int x = frame(2000), top = at(360), ring = width(1);
  // A dark ring outside a light one, each `ring` pixels deep, then the frame's inside.
  const Rgb dark = shot.at(x, top), light = shot.at(x, top + ring),
            inside = shot.at(x, top + 2 * ring);
  EXPECT_NE(dark, light);
  EXPECT_NE(light, inside);
  for (int i = 0; i < ring; ++i) {
    EXPECT_EQ(shot.at(x, top + i), dark) << i;
    EXPECT_EQ(shot.at(x, top + ring + i), light) << i;
  }
}

TEST_F(ScaleTest, ButtonBordersAndIconsGrowWithTheScale) {
  RecordingForm& menu = open(menuLayout());
  const Snapshot shot(windowOf(menu));
  const Fl_Widget& button = *widget(menu, "Command2");
  const int x = button.x() + button.w() / 2, top = button.y(), ring = width(1);
  // The raised border: a light ring outside a lighter one, each `ring` pixels deep.
  for (int i = 1; i < ring; ++i) {
    EXPECT_EQ(shot.at(x, top + i), shot.at(x, top)) << i;
    EXPECT_EQ(shot.at(x, top + ring + i), shot.at(x, top + ring)) << i;
  }
  EXPECT_NE(shot.at(x, top + ring), shot.at(x, top));
  using Sizes = std::vector<std::array<long, 2>>;
  const long face = width(32), small = width(16);
  EXPECT_EQ(iconSizes(windowOf(menu)), (Sizes{{face, face}}));
  EXPECT_EQ(iconSizes(windowOf(open(twoPlayerLayout()))), (Sizes{{face, face}, {small, small}}));
}

TEST_F(ScaleTest, TooltipTextGrowsWithTheScale) {
  TooltipWindow::useScale(scale);
  const float delay = Fl_Tooltip::delay();
  Fl_Tooltip::delay(0.05f);
  RecordingForm& form = open(twoPlayerLayout());
  WindowView& window = windowOf(form);
  window.wait_for_expose();
  const Fl_Widget& link = *widget(form, "Label3");
  // The pointer itself moves, as a player's would: the server reports the crossing.
  XWarpPointer(fl_display, 0, fl_xid(&window), 0, 0, 0, 0, link.x() + 2, link.y() + 2);
  XSync(fl_display, False);
  ASSERT_TRUE(waitUntil([] { return TooltipWindow::shownTip() != nullptr; }));
  // One line of text at the scaled size, with 3 scaled pixels above and below.
  const int lineHeight =
      shaped_text::measure(link.tooltip(), fonts::kDialogFont, width(14)).height;
  EXPECT_EQ(TooltipWindow::shownTip()->h(), lineHeight + 2 * width(3));
  XWarpPointer(fl_display, 0, fl_xid(&window), 0, 0, 0, 0, 1, 1);
  XSync(fl_display, False);
  EXPECT_TRUE(waitUntil([] { return TooltipWindow::shownTip() == nullptr; }));
  Fl_Tooltip::delay(delay);
  TooltipWindow::useScale(Scale(kDefaultDpi));
}

// What a dialog showed: its box, its "OK" button's box and that button's text size.
struct SeenDialog {
  std::array<int, 4> box{}, ok{};
  int textSize = 0;
  std::vector<Rgb> okTopEdge;  // the pixels down from the middle of the button's top edge
};

void readDialog(void* data) {
  auto& seen = *static_cast<SeenDialog*>(data);
  Fl_Window* dialog = Fl::modal();
  if (dialog == nullptr) return;
  seen.box = {dialog->x(), dialog->y(), dialog->w(), dialog->h()};
  for (int i = 0; i < dialog->children(); ++i) {
    const Fl_Widget& child = *dialog->child(i);
    if (child.label() == nullptr || std::string(child.label()) != "OK") continue;
    seen.ok = {child.x(), child.y(), child.w(), child.h()};
    seen.textSize = child.labelsize();
    const Snapshot shot(*dialog);
    for (int row = 0; row < 8; ++row)
      seen.okTopEdge.push_back(shot.at(child.x() + child.w() / 4, child.y() + row));
  }
  dialog->hide();
}

TEST_F(ScaleTest, DialogsGrowWithTheScale) {
  SeenDialog seen;
  Fl::add_timeout(0.01, readDialog, &seen);
  FltkMessageBox(scale).show("Tie", kStyleExclamation, "TIE !");
  // The toolkit's 90 x 23 button with 14-pixel text, 10 pixels from the dialog's corner.
  const auto& [box, ok, textSize, edge] = seen;
  EXPECT_EQ((std::array{ok[2], ok[3], textSize}), (std::array{width(90), width(23), width(14)}));
  EXPECT_EQ(box[2] - ok[0] - ok[2], width(10));
  EXPECT_EQ(box[3] - ok[1] - ok[3], width(10));
  EXPECT_GE(box[2], width(410));
  // Its raised border: two rings, each as deep as one pixel is at this scale.
  ASSERT_EQ(edge.size(), 8u);
  const int ring = width(1);
  for (int i = 1; i < ring; ++i) {
    EXPECT_EQ(edge[static_cast<std::size_t>(i)], edge[0]) << i;
    EXPECT_EQ(edge[static_cast<std::size_t>(ring + i)], edge[static_cast<std::size_t>(ring)]) << i;
  }
  EXPECT_NE(edge[static_cast<std::size_t>(ring)], edge[0]);
}

}  // namespace
}  // namespace ttt::test
