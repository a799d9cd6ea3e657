#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/ClickReach.h"
#include "screens/access/AccessibleDescription.h"
#include "shell/Application.h"
#include "shell/Form3.h"
#include "singleplayer/Form2.h"
#include "support/Fakes.h"
#include "support/RecordingWindows.h"
#include "twoplayer/Form1.h"

namespace ttt::test {
namespace {

using Names = std::vector<std::string>;

// Every object's name in reading order, what lies in a frame marked "> ".
Names readingOrder(const AccessibleDescription& description) {
  Names names;
  for (const AccessibleItem& item : description.items()) {
    names.push_back((item.parent >= 0 ? "> " : "") + description.name(item).value_or("?"));
  }
  return names;
}

Names concat(std::initializer_list<Names> parts) {
  Names all;
  for (const Names& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

const Names kBoard{"Board",
                   "> top left, X",
                   "> top middle, empty",
                   "> top right, empty",
                   "> middle left, empty",
                   "> centre, empty",
                   "> middle right, empty",
                   "> bottom left, empty",
                   "> bottom middle, empty",
                   "> bottom right, O"};

class AccessibleDescriptionTest : public ::testing::Test {
 protected:
  // Shows the form with a mark in the first and last cells.
  Names readShown(Form& form) {
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
  EXPECT_EQ(readShown(app.menu()),
            (Names{"ORVANE'S TIC TAC TOE", "ONE PLAYER", "TWO PLAYER", "EXIT"}));
  const Names addresses{"WEBSITE :", "www.orvane.example", "EMAIL ID :", "orvane@orvane.example"};
  EXPECT_EQ(readShown(app.twoPlayer()),
            concat({{"PLAYER A", "= \" X \"", "PLAYER B", "= \" O \""},
                    kBoard,
                    {"NEW GAME", "EXIT"},
                    addresses}));
  EXPECT_EQ(readShown(app.singlePlayer()),
            concat({{"PLAYER A", "= \" X \"", "COMPUTER = \" O \"", "WIN", "LOSS", "0", "0"},
                    kBoard,
                    {"EXIT", "NEW GAME"},
                    addresses}));
}

TEST_F(AccessibleDescriptionTest, NothingInAHiddenOrDisabledFrameIsReachable) {
  Form1& form = app.twoPlayer();
  form.show();
  const AccessibleDescription description(form);
  Control& frame = form.control("Frame2");
  Control& cell = form.control("S(4)");
  const AccessibleItem& item = description.items()[*description.placeOf(cell)];
  EXPECT_TRUE(description.states(item).showing);
  EXPECT_TRUE(description.states(item).enabled);
  EXPECT_FALSE(description.states(item).focusable);

  frame.setEnabled(false);
  EXPECT_TRUE(description.states(item).showing);
  EXPECT_FALSE(description.states(item).enabled) << "a disabled frame takes no clicks";

  frame.setEnabled(true);
  frame.setVisible(false);
  EXPECT_FALSE(description.states(item).showing);
  EXPECT_FALSE(description.states(item).enabled) << "nor does a hidden one";
  clickAsOnScreen(form, cell);
  EXPECT_EQ(cell.caption(), "") << "a click as on screen does not reach it";

  frame.setVisible(true);
  clickAsOnScreen(form, cell);
  EXPECT_EQ(cell.caption(), "X");
  const AccessibleItem& exit = description.items()[*description.placeOf(form.control("Command2"))];
  EXPECT_TRUE(description.states(exit).focusable);
  EXPECT_EQ(description.accessKey(exit), 'E');
  EXPECT_FALSE(description.placeOf(form.control("summa"))) << "hidden counters are not read";
}

}  // namespace
}  // namespace ttt::test
