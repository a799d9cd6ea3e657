#include "screens/Placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "screens/Layouts.h"

namespace ttt::test {
namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

const FormLayout* const kForms[] = {&menuLayout(), &twoPlayerLayout(), &singlePlayerLayout()};

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
  EXPECT_EQ(twipsToPixels(18, 120), 2);
  EXPECT_EQ(twipsToPixels(1815, 144), 182);  // 181.5
  EXPECT_EQ(pointsToPixels(8.25, 96), 11);
  EXPECT_EQ(pointsToPixels(9.75, 96), 13);
  EXPECT_EQ(pointsToPixels(8.25, 120), 14);   // 13.75
  EXPECT_EQ(pointsToPixels(21.75, 144), 44);  // 43.5
  EXPECT_EQ(pointsToPixels(11.25, 192), 30);
  EXPECT_EQ(scaledLineWidth(3, 96), 3);
  EXPECT_EQ(scaledLineWidth(3, 120), 4);  // 3.75
  EXPECT_EQ(scaledLineWidth(3, 144), 5);  // 4.5
  EXPECT_EQ(scaledLineWidth(4, 192), 8);
  EXPECT_EQ(scaledLineWidth(1, 120), 1);
  EXPECT_EQ(scaledLineWidth(0, 96), 1);
}

TEST(Placement, At96DotsPerInchEveryLayoutValueIsItsTwipsOverFifteen) {
  for (const FormLayout* layout : kForms) {
    const PlacedForm placed = placeForm(*layout, 96);
    EXPECT_EQ(placed.clientWidth * 15, layout->clientWidth) << layout->name;
    EXPECT_EQ(placed.clientHeight * 15, layout->clientHeight) << layout->name;
    for (const PlacedControl& c : placed.controls) {
      const TwipsRect& r = c.layout->rect;
      const TwipsLine& l = c.layout->line;
      const std::string name = layout->name + " " + c.layout->fullName();
      EXPECT_EQ(c.rect, (PixelRect{r.left / 15, r.top / 15, r.width / 15, r.height / 15})) << name;
      for (const int twips : {r.left, r.top, r.width, r.height, l.x1, l.y1, l.x2, l.y2}) {
        EXPECT_EQ(twips % 15, 0) << name;
      }
      EXPECT_EQ(c.line,
                (PixelLine{l.x1 / 15, l.y1 / 15, l.x2 / 15, l.y2 / 15, std::max(1, l.widthPixels)}))
          << name;
    }
  }
}

TEST(Placement, EachControlHasItsContainerStackingTabOrderAndFontAtEveryScale) {
  for (const int dpi : kDpis) {
    for (const FormLayout* layout : kForms) {
      const PlacedForm placed = placeForm(*layout, dpi);
      ASSERT_EQ(placed.controls.size(), layout->controls.size());
      EXPECT_EQ(placed.clientWidth, twipsToPixels(layout->clientWidth, dpi));
      std::vector<int> stacking;
      std::vector<std::pair<int, int>> tabOrder;  // (tab index, order) of every button
      for (std::size_t i = 0; i < placed.controls.size(); ++i) {
        const PlacedControl& c = placed.controls[i];
        const std::string name = layout->name + " " + c.layout->fullName();
        EXPECT_EQ(c.layout, &layout->controls[i]) << name;
        if (c.layout->container.empty()) {
          EXPECT_EQ(c.container, -1) << name;
        } else {
          ASSERT_GE(c.container, 0) << name;
          const ControlLayout& frame =
              *placed.controls[static_cast<std::size_t>(c.container)].layout;
          EXPECT_EQ(frame.fullName(), c.layout->container) << name;
          EXPECT_EQ(frame.kind, ControlKind::Frame) << name;
        }
        EXPECT_EQ(c.rect.width, twipsToPixels(c.layout->rect.width, dpi)) << name;
        EXPECT_EQ(c.line.width, scaledLineWidth(c.layout->line.widthPixels, dpi)) << name;
        EXPECT_EQ(c.fontPixels, pointsToPixels(c.layout->font.points, dpi)) << name;
        stacking.push_back(c.stacking);
        if (c.layout->kind == ControlKind::Button) {
          tabOrder.emplace_back(c.layout->tabIndex, c.tabOrder);
        } else {
          EXPECT_EQ(c.tabOrder, -1) << name;
        }
      }
      // The layout lists the topmost first; stacking counts from the bottom.
      EXPECT_EQ(stacking.front(), static_cast<int>(stacking.size()) - 1);
      EXPECT_TRUE(std::ranges::is_sorted(stacking, std::greater<>{}));
      EXPECT_EQ(stacking.back(), 0);
      std::ranges::sort(tabOrder);
      for (std::size_t order = 0; order < tabOrder.size(); ++order) {
        EXPECT_EQ(tabOrder[order].second, static_cast<int>(order)) << layout->name;
      }
    }
  }
}

TEST(Placement, ACellLiesInItsFrameAtEveryScale) {
  // Form1's centre cell: the frame at 360, 360 twips and the cell at 1560, 1200 in it.
  const std::pair<int, PixelRect> expected[] = {{96, {128, 104, 33, 33}},
                                                {120, {160, 130, 41, 41}},
                                                {144, {192, 156, 50, 50}},
                                                {192, {256, 208, 66, 66}}};
  for (const auto& [dpi, rect] : expected) {
    const PlacedForm placed = placeForm(twoPlayerLayout(), dpi);
    EXPECT_EQ(inClientArea(placed, placedNamed(placed, "S(4)")), rect) << dpi;
    EXPECT_EQ(inClientArea(placed, placedNamed(placed, "Label2")),
              placedNamed(placed, "Label2").rect)
        << "a control of the client area is where its own rectangle says";
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

}  // namespace
}  // namespace ttt::test
