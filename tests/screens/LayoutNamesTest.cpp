#include <gtest/gtest.h>

#include <set>
#include <string>

#include "LayoutQueries.h"
#include "screens/Author.h"
#include "screens/Layouts.h"

namespace ttt::test {
namespace {

using Names = std::set<std::string>;

void expectKind(const FormLayout& form, const std::string& name, ControlKind kind) {
  EXPECT_EQ(controlNamed(form, name).kind, kind) << form.name << " " << name;
}

TEST(LayoutNames, FullNamesAreUniqueWithinEachWindow) {
  for (const FormLayout* form : allLayouts()) {
    Names seen;
    for (const ControlLayout& control : form->controls) {
      EXPECT_TRUE(seen.insert(control.fullName()).second)
          << form->name << " " << control.fullName();
    }
    for (const TimerLayout& timer : form->timers) {
      EXPECT_TRUE(seen.insert(timer.name).second) << form->name << " " << timer.name;
    }
  }
}

// The window code looks these up by name and treats them as the kind given here.
TEST(LayoutNames, EveryControlTheWindowsAddressExistsWithItsKind) {
  for (const FormLayout* form : gameLayouts()) {
    for (const char* name : {"Label2", "Label3", "Label5", "Label6"}) {
      expectKind(*form, name, ControlKind::Label);
    }
    for (int i = 0; i < 9; ++i) {
      expectKind(*form, "S(" + std::to_string(i) + ")", ControlKind::Label);
    }
    for (int i = 1; i <= 16; ++i) expectKind(*form, "Line" + std::to_string(i), ControlKind::Line);
    expectKind(*form, "Frame2", ControlKind::Frame);
  }
  const FormLayout& single = singlePlayerLayout();
  for (const char* name : {"turn", "LBLNUM", "Label10(0)", "Label10(1)"}) {
    expectKind(single, name, ControlKind::Label);
  }
  for (int i = 17; i <= 22; ++i) expectKind(single, "Line" + std::to_string(i), ControlKind::Line);
  expectKind(twoPlayerLayout(), "summa", ControlKind::Label);
  expectKind(menuLayout(), "Label1", ControlKind::Label);
  for (const FormLayout* form : allLayouts()) {
    Names buttons;
    for (const ControlLayout& control : form->controls) {
      if (control.kind == ControlKind::Button) buttons.insert(control.fullName());
    }
    Names expected{"Command1", "Command2"};
    if (form == &menuLayout()) expected.insert("Command3");
    EXPECT_EQ(buttons, expected) << form->name;
  }
}

TEST(LayoutNames, OnlyTheTwoAddressLabelsAreLinksAndTheyShowTheAuthorsAddresses) {
  for (const FormLayout* form : allLayouts()) {
    Names links;
    for (const ControlLayout& control : form->controls) {
      if (control.link) links.insert(control.fullName());
    }
    const Names expected = form == &menuLayout() ? Names{} : Names{"Label3", "Label5"};
    EXPECT_EQ(links, expected) << form->name;
  }
  for (const FormLayout* form : gameLayouts()) {
    EXPECT_EQ(controlNamed(*form, "Label3").caption, kAuthorWebAddress);
    EXPECT_EQ(controlNamed(*form, "Label5").caption, kAuthorEmail);
  }
  EXPECT_EQ(controlNamed(menuLayout(), "Label1").caption + " !", menuLayout().caption);
}

}  // namespace
}  // namespace ttt::test
