#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <tuple>

#include "screens/access/AccessibleText.h"
#include "screens/access/Announcements.h"
#include "screens/access/CellKeys.h"
#include "screens/layouts/Layouts.h"

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

// The names a window reads out are checked in its reading order; here the rest.
TEST(AccessibleText, ControlsHaveTheirRolesAndLabelsAreLiteral) {
  const FormLayout& menu = menuLayout();
  EXPECT_EQ(accessibleRole(find(menu, "Command3")), AccessibleRole::PushButton);
  EXPECT_EQ(accessibleName(find(menu, "Label1"), "A & B"), "A & B");
  const FormLayout& board = twoPlayerLayout();
  EXPECT_EQ(accessibleRole(find(board, "S(3)")), AccessibleRole::Cell);
  EXPECT_EQ(accessibleRole(find(board, "Label3")), AccessibleRole::Link);
  EXPECT_EQ(accessibleRole(find(board, "Label2")), AccessibleRole::Label);
  EXPECT_EQ(cellPlace(9), "");
}

// A mark is spoken by its place, a score by its heading; clearing and other captions say nothing.
TEST(Announcements, MarksByPlaceScoresByHeadingNothingElse) {
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

}  // namespace
}  // namespace ttt::test
