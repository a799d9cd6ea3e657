#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "core/BoardLines.h"
#include "screens/Layouts.h"

namespace ttt::test {
namespace {

const ControlLayout& find(const FormLayout& form, const std::string& name) {  // throws if none
  const auto named = [&](const ControlLayout& control) { return control.fullName() == name; };
  const auto index = std::ranges::find_if(form.controls, named) - form.controls.begin();
  return form.controls.at(static_cast<std::size_t>(index));
}

bool touches(const TwipsLine& l, TwipsRect r) {  // the pen, sampled along the line
  const int pen = l.widthPixels * 15 / 2;
  r = {r.left - pen, r.top - pen, r.width + 2 * pen, r.height + 2 * pen};
  for (int t = 0; t <= 5000; ++t) {
    const int x = l.x1 + (l.x2 - l.x1) * t / 5000, y = l.y1 + (l.y2 - l.y1) * t / 5000;
    if (x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height) return true;
  }
  return false;
}

// The windows themselves check, when they are constructed, that their layouts hold every
// control and timer they use.
TEST(Layouts, ControlsHaveTheirKindsFocusOrderAndBoardGeometry) {
  const std::pair<const FormLayout*, const char*> windows[] = {
      {&menuLayout(), "Command1 &ONE PLAYER,Command2 &TWO PLAYER,Command3 &EXIT,"},
      {&twoPlayerLayout(), "Command1 &NEW GAME,Command2 &EXIT,"},
      {&singlePlayerLayout(), "Command2 &EXIT,Command1 &NEW GAME,"}};
  for (const auto& [form, inTabOrder] : windows) {
    std::map<int, std::string> buttons;  // the first in tab order takes the focus at opening
    for (const ControlLayout& c : form->controls) {
      const bool button = c.name.starts_with("Command"), isLine = c.name.starts_with("Line");
      EXPECT_EQ(c.kind, button               ? ControlKind::Button
                        : isLine             ? ControlKind::Line
                        : c.name == "Frame2" ? ControlKind::Frame
                                             : ControlKind::Label)
          << c.name;
      if (button) buttons[c.tabIndex] += c.name + " " + c.caption + ",";
    }
    std::string order;
    for (const auto& [tabIndex, button] : buttons) order += button;
    EXPECT_EQ(order, inTabOrder);
    // Clear of the grid and crossed by the strikes of its row and column, a cell is in its square.
    for (int n = 1; form != &menuLayout() && n <= 16; ++n) {  // the grid, then the strikes
      const ControlLayout& drawn = find(*form, "Line" + std::to_string(n));
      const auto board = std::ranges::find(kLinesInTestOrder, n, &BoardLine::strikeLine);
      for (int i = 0; i < kCellCount; ++i) {
        const ControlLayout& square = find(*form, "S(" + std::to_string(i) + ")");
        const bool struck = n > 8 && std::ranges::count(board->cells, i) == 1;
        EXPECT_EQ(touches(drawn.line, square.rect), struck) << drawn.name << square.name;
        EXPECT_EQ(square.container, "Frame2") << square.name;
        EXPECT_EQ(drawn.container, "Frame2") << drawn.name;
        EXPECT_TRUE(n <= 8 || &drawn < &square) << "a strike shows over the marks it crosses";
      }
      for (int grid = 1; n > 8 && grid <= 8; ++grid) {  // a strike is over the grid in Form1 only
        EXPECT_EQ(&drawn < &find(*form, "Line" + std::to_string(grid)), form == &twoPlayerLayout());
      }
    }
  }
}

}  // namespace
}  // namespace ttt::test
