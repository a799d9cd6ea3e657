#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "LayoutQueries.h"
#include "screens/Layouts.h"

namespace ttt::test {
namespace {

// Form1's side-to-move label is placed past the window's right edge, where it could never
// show; it is hidden. Everything else fits in its window or frame.
TEST(LayoutFit, EveryControlFitsInsideItsContainer) {
  for (const FormLayout* form : allLayouts()) {
    for (const ControlLayout& control : form->controls) {
      const bool offWindow = form == &twoPlayerLayout() && control.fullName() == "summa";
      if (offWindow) continue;
      EXPECT_TRUE(contains(containerArea(*form, control), areaOf(control)))
          << form->name << " " << control.fullName();
    }
  }
}

// On the window itself no two visible widgets overlap, except the two game buttons, which
// share one pixel where "&EXIT" is drawn over "&NEW GAME".
TEST(LayoutFit, VisibleWidgetsOnTheWindowDoNotOverlap) {
  for (const FormLayout* form : allLayouts()) {
    std::vector<const ControlLayout*> widgets;
    for (const ControlLayout& control : form->controls) {
      if (control.container.empty() && control.visible && control.kind != ControlKind::Line) {
        widgets.push_back(&control);
      }
    }
    for (std::size_t i = 0; i < widgets.size(); ++i) {
      for (std::size_t j = i + 1; j < widgets.size(); ++j) {
        const std::set<std::string> pair{widgets[i]->fullName(), widgets[j]->fullName()};
        const bool gameButtons =
            form != &menuLayout() && pair == std::set<std::string>{"Command1", "Command2"};
        EXPECT_EQ(overlaps(areaOf(*widgets[i]), areaOf(*widgets[j])), gameButtons)
            << form->name << " " << widgets[i]->fullName() << " " << widgets[j]->fullName();
      }
    }
  }
}

// The side to move and the move counter are state kept in captions, never shown.
TEST(LayoutFit, StateLabelsAreHidden) {
  EXPECT_FALSE(controlNamed(twoPlayerLayout(), "summa").visible);
  EXPECT_FALSE(controlNamed(singlePlayerLayout(), "turn").visible);
  EXPECT_FALSE(controlNamed(singlePlayerLayout(), "LBLNUM").visible);
}

// Wins are counted under "WIN" on the left, losses under "LOSS" on the right, each label
// clear of the orange lines around it.
TEST(LayoutFit, ScoreLabelsSitInTheirCellsOfTheScoreBox) {
  const FormLayout& form = singlePlayerLayout();
  const LineGrid box = lineGrid(form, 17, 22);
  ASSERT_EQ(box.columns.size(), 3u);
  ASSERT_EQ(box.rows.size(), 3u);
  EXPECT_TRUE(contains(box.cell(0, 0), areaOf(controlNamed(form, "Label9"))));
  EXPECT_TRUE(contains(box.cell(1, 0), areaOf(controlNamed(form, "Label7"))));
  EXPECT_TRUE(contains(box.cell(0, 1), areaOf(controlNamed(form, "Label10(0)"))));
  EXPECT_TRUE(contains(box.cell(1, 1), areaOf(controlNamed(form, "Label10(1)"))));
}

}  // namespace
}  // namespace ttt::test
