#include <gtest/gtest.h>

#include <string>

#include "screens/access/AccessibleDescription.h"
#include "shell/Application.h"
#include "shell/Form3.h"
#include "singleplayer/Form2.h"
#include "support/Fakes.h"
#include "support/RecordingWindows.h"
#include "twoplayer/Form1.h"

namespace ttt::test {
namespace {

// Every object's name in reading order, each ended by "; ", what lies in a frame marked "> ".
std::string readingOrder(const AccessibleDescription& description) {
  std::string names;
  for (const AccessibleItem& item : description.items())
    names += (item.parent >= 0 ? "> " : "") + description.name(item).value_or("?") + "; ";
  return names;
}

const std::string kBoard =
    "Board; > top left, X; > top middle, empty; > top right, empty; > middle left, empty; "
    "> centre, empty; > middle right, empty; > bottom left, empty; > bottom middle, empty; "
    "> bottom right, O; ";
const std::string kAddresses = "WEBSITE :; www.orvane.example; EMAIL ID :; orvane@orvane.example; ";

class AccessibleDescriptionTest : public ::testing::Test {
 protected:
  // Shows the form with a mark in the first and last cells.
  std::string readShown(Form& form) {
    form.show();
    if (form.name() != "Form3") {
      form.control("S(0)").setCaption("X");
      form.control("S(8)").setCaption("O");
    }
    return readingOrder(AccessibleDescription(form));
  }
  FakeServices fakes;
  RecordingWindows windows;
  Application app{fakes.services, windows};
};

TEST_F(AccessibleDescriptionTest, EachWindowReadsPlayersThenBoardThenButtonsThenAddresses) {
  EXPECT_EQ(readShown(app.menu()), "ORVANE'S TIC TAC TOE; ONE PLAYER; TWO PLAYER; EXIT; ");
  EXPECT_EQ(readShown(app.twoPlayer()), "PLAYER A; = \" X \"; PLAYER B; = \" O \"; " + kBoard +
                                            "NEW GAME; EXIT; " + kAddresses);
  EXPECT_EQ(readShown(app.singlePlayer()),
            "PLAYER A; = \" X \"; COMPUTER = \" O \"; WIN; LOSS; 0; 0; " + kBoard +
                "EXIT; NEW GAME; " + kAddresses);
}

TEST_F(AccessibleDescriptionTest, NothingInAHiddenOrDisabledFrameIsReachable) {
  Form1& form = app.twoPlayer();
  form.show();
  const AccessibleDescription description(form);
  const auto item = [&](const char* name) -> const AccessibleItem& {
    return description.items()[*description.placeOf(form.control(name))];
  };
  // Showing, enabled and focusable, as "110".
  const auto states = [&](const char* name) {
    const AccessibleStates got = description.states(item(name));
    return std::to_string(got.showing) + std::to_string(got.enabled) +
           std::to_string(got.focusable);
  };
  Control& frame = form.control("Frame2");
  EXPECT_EQ(states("S(4)"), "110");
  EXPECT_EQ(states("Command2"), "111");
  frame.setEnabled(false);
  EXPECT_EQ(states("S(4)"), "100") << "a disabled frame takes no clicks";
  frame.setEnabled(true);
  frame.setVisible(false);
  EXPECT_EQ(states("S(4)"), "000") << "nor does a hidden one";
  EXPECT_EQ(description.accessKey(item("Command2")), 'E');
  EXPECT_FALSE(description.placeOf(form.control("summa"))) << "hidden counters are not read";
}

}  // namespace
}  // namespace ttt::test
