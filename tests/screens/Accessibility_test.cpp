// What the windows tell a screen reader, and the keys that play the cells.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <tuple>

#include "screens/access/AccessibleDescription.h"
#include "screens/access/AccessibleText.h"
#include "screens/access/Announcements.h"
#include "screens/access/CellKeys.h"
#include "screens/layouts/Layouts.h"
#include "shell/Application.h"
#include "shell/Form3.h"
#include "singleplayer/Form2.h"
#include "support/Fakes.h"
#include "support/RecordingWindows.h"
#include "twoplayer/Form1.h"

namespace ttt::test {
namespace {

TEST(CellKeys, KeypadPlacesByPositionAndDigitsInReadingOrder) {
  const int keypadCells[10] = {-1, 6, 7, 8, 3, 4, 5, 0, 1, 2};  // by the digit on the key
  for (int digit = -1; digit <= 10; ++digit) {
    const bool key = digit >= 1 && digit <= 9;
    EXPECT_EQ(cellForKey({CellKey::Row::Keypad, digit}),
              key ? std::optional(keypadCells[digit]) : std::nullopt)
        << "keypad " << digit;
    EXPECT_EQ(cellForKey({CellKey::Row::Digits, digit}),
              key ? std::optional(digit - 1) : std::nullopt)
        << "digit " << digit;
  }
}

const ControlLayout& find(const FormLayout& form, const std::string& fullName) {
  for (const ControlLayout& c : form.controls) {
    if (c.fullName() == fullName) return c;
  }
  throw std::out_of_range(fullName);
}

// A mark is spoken by its place, a score by its heading; clearing and other captions say nothing.
// The names a window reads out are checked in its reading order; here that a label's is literal.
TEST(Announcements, MarksByPlaceScoresByHeadingNothingElse) {
  EXPECT_EQ(accessibleName(find(menuLayout(), "Label1"), "A & B"), "A & B");
  EXPECT_EQ(cellPlace(9), "");
  const FormLayout& single = singlePlayerLayout();
  EXPECT_EQ(announcement(find(single, "S(0)"), "X"), "top left, X");
  EXPECT_EQ(announcement(find(single, "S(4)"), "O"), "centre, O");
  EXPECT_EQ(announcement(find(single, "S(4)"), ""), std::nullopt)
      << "a new game clears cells silently";
  EXPECT_EQ(announcement(find(single, "Label10(0)"), "1"), "WIN 1");
  EXPECT_EQ(announcement(find(single, "Label10(1)"), "12"), "LOSS 12");
  EXPECT_EQ(announcement(find(single, "Label6"), "Ann"), std::nullopt);
  EXPECT_EQ(announcement(find(twoPlayerLayout(), "Label7"), "= \" O \""), std::nullopt);
}

// One that comes within 100 ms of the last repeats the last (not all before it) first.
TEST(Announcements, OneCuttingTheLastShortRepeatsItFirst) {
  // When it is said (ms), what is said, and what is spoken.
  const std::tuple<int, const char*, const char*> said[] = {
      {0, "centre, X", "centre, X"},
      {99, "top left, O", "centre, X. top left, O"},
      {150, "WIN 1", "top left, O. WIN 1"},
      {250, "bottom right, X", "bottom right, X"}};
  AnnouncementSequence sequence;
  for (const auto& [atMs, text, spoken] : said) {
    const auto at = std::chrono::steady_clock::time_point{} + std::chrono::milliseconds(atMs);
    EXPECT_EQ(sequence.spoken(text, at), spoken) << atMs;
  }
}

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

TEST_F(AccessibleDescriptionTest, EachPartHasItsRoleAndNothingInAHiddenOrDisabledFrameIsReachable) {
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
  EXPECT_EQ(item("S(4)").role, AccessibleRole::Cell);
  EXPECT_EQ(item("Label3").role, AccessibleRole::Link);
  EXPECT_EQ(item("Label2").role, AccessibleRole::Label);
  EXPECT_EQ(item("Command2").role, AccessibleRole::PushButton);
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
