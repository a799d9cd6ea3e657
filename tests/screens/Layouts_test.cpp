// Where the layouts put their controls at each scale, and the colours they name.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>

#include "screens/layouts/ClassicColours.h"
#include "screens/layouts/Layouts.h"
#include "screens/layouts/Placement.h"

namespace ttt::test {
namespace {

const PlacedControl& placedNamed(const PlacedForm& form, const std::string& name) {
  const auto found = std::ranges::find_if(
      form.controls, [&](const PlacedControl& c) { return c.layout->fullName() == name; });
  EXPECT_NE(found, form.controls.end()) << name;
  return *found;
}

TEST(Placement, RoundsToTheNearestPixelWithHalvesAwayFromZero) {
  EXPECT_EQ(twipsToPixels(7, 96), 0);
  EXPECT_EQ(twipsToPixels(8, 96), 1);
  EXPECT_EQ(twipsToPixels(6, 120), 1);  // exactly half a pixel
  EXPECT_EQ(twipsToPixels(-6, 120), -1);
  EXPECT_EQ(pointsToPixels(8.25, 120), 14);   // 13.75
  EXPECT_EQ(pointsToPixels(21.75, 144), 44);  // 43.5
  EXPECT_EQ(scaledLineWidth(3, 120), 4);      // 3.75
  EXPECT_EQ(scaledLineWidth(3, 144), 5);      // 4.5
  EXPECT_EQ(scaledLineWidth(1, 120), 1);
  EXPECT_EQ(scaledLineWidth(0, 96), 1);
}

TEST(Placement, TheTwoPlayerWindowScalesItsSizeFontsLinesAndCellsAndKeepsItsOrders) {
  // 4350 x 4590 twips; Label2 in 9.75 points; the board's grid lines 4 px wide at 96 dpi; the
  // centre cell at 1560, 1200 twips in the frame at 360, 360.
  const std::tuple<int, std::array<int, 4>, PixelRect> expected[] = {
      {96, {290, 306, 13, 4}, {128, 104, 33, 33}},
      {144, {435, 459, 20, 6}, {192, 156, 50, 50}},  // the font and the cell from halves
      {192, {580, 612, 26, 8}, {256, 208, 66, 66}}};
  for (const auto& [dpi, numbers, cell] : expected) {
    const PlacedForm placed = placeForm(twoPlayerLayout(), dpi);
    const PlacedControl& label = placedNamed(placed, "Label2");
    EXPECT_EQ(placed.clientWidth, numbers[0]) << dpi;
    EXPECT_EQ(placed.clientHeight, numbers[1]) << dpi;
    EXPECT_EQ(label.fontPixels, numbers[2]) << dpi;
    EXPECT_EQ(placedNamed(placed, "Line1").line.width, numbers[3]) << dpi;
    EXPECT_EQ(inClientArea(placed, placedNamed(placed, "S(4)")), cell) << dpi;
    EXPECT_EQ(inClientArea(placed, label), label.rect) << "the client area's own control";
    // The layout lists the topmost first; stacking counts from the bottom.
    EXPECT_EQ(placed.controls.front().stacking, static_cast<int>(placed.controls.size()) - 1);
    EXPECT_EQ(placed.controls.back().stacking, 0);
  }
  // Form2's frame sits at 240 twips instead of 360.
  const PlacedForm single = placeForm(singlePlayerLayout(), 96);
  EXPECT_EQ(inClientArea(single, placedNamed(single, "S(0)")).x, 16 + 48);
}

TEST(Placement, AFrameThatNamesItselfStillEnds) {
  FormLayout looping;
  looping.controls.resize(1);
  looping.controls[0].name = "Frame1";
  looping.controls[0].kind = ControlKind::Frame;
  looping.controls[0].container = "Frame1";
  looping.controls[0].rect = {150, 150, 300, 300};
  const PlacedForm placed = placeForm(looping, 96);
  EXPECT_EQ(placed.controls[0].container, 0);
  EXPECT_EQ(inClientArea(placed, placed.controls[0]).x, 20);  // its own corner, then once more
}

TEST(ClassicColours, FixedColoursSwapToRgbAndAnUnusedSystemColourIsTheButtonFace) {
  EXPECT_EQ(classicRgb(0x0080FF), 0xFF8000u) << "layouts give 0xBBGGRR";
  EXPECT_EQ(classicRgb(kButtonFace), 0xF0F0F0u);
  EXPECT_NE(classicRgb(systemColour(5)), classicRgb(kButtonFace)) << "the window is white";
  EXPECT_EQ(classicRgb(systemColour(13)), classicRgb(kButtonFace));
  EXPECT_EQ(classicRgb(kSystemColourFlag | 0x1FF05), classicRgb(systemColour(5)))
      << "only the low byte names a system colour";
}

}  // namespace
}  // namespace ttt::test
