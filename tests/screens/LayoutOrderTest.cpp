#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LayoutQueries.h"
#include "screens/Layouts.h"

namespace ttt::test {
namespace {

using Names = std::vector<std::string>;

std::string lineName(int number) { return "Line" + std::to_string(number); }

Names buttonCaptionsInTabOrder(const FormLayout& form) {
  std::vector<const ControlLayout*> buttons;
  for (const ControlLayout& control : form.controls) {
    if (control.kind == ControlKind::Button) buttons.push_back(&control);
  }
  std::sort(buttons.begin(), buttons.end(),
            [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
  Names captions;
  for (const ControlLayout* button : buttons) captions.push_back(button->caption);
  return captions;
}

// Everything but a line takes a place in the tab order, and no two take the same place.
TEST(LayoutOrder, TabIndexesCountUpFromZeroWithoutGapsOrRepeats) {
  for (const FormLayout* form : allLayouts()) {
    std::vector<int> indexes;
    for (const ControlLayout& control : form->controls) {
      if (control.kind != ControlKind::Line) indexes.push_back(control.tabIndex);
    }
    std::sort(indexes.begin(), indexes.end());
    for (std::size_t i = 0; i < indexes.size(); ++i) {
      EXPECT_EQ(indexes[i], static_cast<int>(i)) << form->name;
    }
  }
}

// The first button takes the focus when the window opens; Tab goes through the rest.
TEST(LayoutOrder, FocusStartsOnTheRightButtonAndTabFollowsTheButtons) {
  EXPECT_EQ(buttonCaptionsInTabOrder(twoPlayerLayout()), (Names{"&NEW GAME", "&EXIT"}));
  EXPECT_EQ(buttonCaptionsInTabOrder(singlePlayerLayout()), (Names{"&EXIT", "&NEW GAME"}));
  EXPECT_EQ(buttonCaptionsInTabOrder(menuLayout()),
            (Names{"&ONE PLAYER", "&TWO PLAYER", "&EXIT"}));
}

// A struck line shows across the marks in both windows; where it crosses the grid the
// two-player window shows it over the red, the single-player window under it.
TEST(LayoutOrder, StrikeLinesStackAboveTheCellsAndOnTheirOwnSideOfTheGrid) {
  for (const FormLayout* form : gameLayouts()) {
    const bool strikesOverGrid = form == &twoPlayerLayout();
    for (int strike = 9; strike <= 16; ++strike) {
      const std::size_t strikeAt = stackPosition(*form, lineName(strike));
      for (int cell = 0; cell < 9; ++cell) {
        EXPECT_LT(strikeAt, stackPosition(*form, "S(" + std::to_string(cell) + ")"))
            << form->name << " " << lineName(strike);
      }
      for (int grid = 1; grid <= 8; ++grid) {
        EXPECT_EQ(strikeAt < stackPosition(*form, lineName(grid)), strikesOverGrid)
            << form->name << " " << lineName(strike) << " and " << lineName(grid);
      }
    }
  }
}

// Timers are listed in dispatch order. At load only the line test and the announcer tick:
// a running reply timer would make the computer move before the user has.
TEST(LayoutOrder, TimersRunInDispatchOrderAndTheRepliesWaitForAMove) {
  const auto runningTimers = [](const FormLayout& form) {
    Names running;
    for (std::size_t i = 0; i < form.timers.size(); ++i) {
      EXPECT_EQ(form.timers[i].name, "Timer" + std::to_string(i + 1)) << form.name;
      if (form.timers[i].interval != 0) running.push_back(form.timers[i].name);
    }
    return running;
  };
  EXPECT_EQ(runningTimers(twoPlayerLayout()), (Names{"Timer1", "Timer2"}));
  EXPECT_EQ(runningTimers(singlePlayerLayout()), (Names{"Timer1", "Timer4"}));
  EXPECT_EQ(singlePlayerLayout().timers.size(), 4u);
  EXPECT_TRUE(menuLayout().timers.empty());
}

}  // namespace
}  // namespace ttt::test
