#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/BoardLines.h"
#include "screens/access/AccessibleText.h"
#include "screens/access/Announcements.h"
#include "screens/access/CellKeys.h"
#include "screens/layouts/Layouts.h"

namespace ttt::test {
namespace {

TEST(CellKeys, KeypadPlacesByPositionAndDigitsInReadingOrder) {
  const int keypadCells[10] = {-1, 6, 7, 8, 3, 4, 5, 0, 1, 2};  // by the digit on the key
  for (int digit = 0; digit <= 9; ++digit) {
    const auto keypad = cellForKey({CellKey::Row::Keypad, digit});
    const auto digits = cellForKey({CellKey::Row::Digits, digit});
    if (digit == 0) {
      EXPECT_FALSE(keypad.has_value());
      EXPECT_FALSE(digits.has_value());
      continue;
    }
    EXPECT_EQ(keypad, keypadCells[digit]) << "keypad " << digit;
    EXPECT_EQ(digits, digit - 1) << "digit " << digit;
  }
  EXPECT_FALSE(cellForKey({CellKey::Row::Digits, 10}).has_value());
  EXPECT_FALSE(cellForKey({CellKey::Row::Keypad, -1}).has_value());
}

const ControlLayout& find(const FormLayout& form, const std::string& fullName) {
  for (const ControlLayout& c : form.controls) {
    if (c.fullName() == fullName) return c;
  }
  throw std::out_of_range(fullName);
}

TEST(AccessibleText, ButtonsLoseTheirMarkerCellsSayPlaceAndMark) {
  const FormLayout& menu = menuLayout();
  EXPECT_EQ(accessibleName(find(menu, "Command1"), "&ONE PLAYER"), "ONE PLAYER");
  EXPECT_EQ(accessibleRole(find(menu, "Command3")), AccessibleRole::PushButton);
  EXPECT_EQ(accessibleName(find(menu, "Label1"), "A & B"), "A & B") << "labels are literal";

  const FormLayout& board = twoPlayerLayout();
  EXPECT_EQ(accessibleName(find(board, "S(0)"), "X"), "top left, X");
  EXPECT_EQ(accessibleName(find(board, "S(4)"), ""), "centre, empty");
  EXPECT_EQ(accessibleName(find(board, "S(8)"), "O"), "bottom right, O");
  EXPECT_EQ(accessibleRole(find(board, "S(3)")), AccessibleRole::Cell);
  EXPECT_EQ(accessibleName(find(board, "Frame2"), ""), "Board");
  EXPECT_EQ(accessibleRole(find(board, "Label3")), AccessibleRole::Link);
  EXPECT_EQ(accessibleRole(find(board, "Label2")), AccessibleRole::Label);

  std::set<std::string> places;
  for (int i = 0; i < kCellCount; ++i) places.insert(cellPlace(i));
  EXPECT_EQ(places.size(), 9u) << "every cell has a place of its own";
  EXPECT_EQ(cellPlace(9), "");
}

// A mark is spoken by its place, a score by its heading; clearing and other captions say nothing.
TEST(Announcements, MarksByPlaceScoresByHeadingNothingElse) {
  const FormLayout& single = singlePlayerLayout();
  EXPECT_EQ(announcement(find(single, "S(0)"), "X"), "top left, X");
  EXPECT_EQ(announcement(find(single, "S(4)"), "O"), "centre, O");
  EXPECT_EQ(announcement(find(single, "S(4)"), ""), std::nullopt) << "a new game clears cells silently";
  EXPECT_EQ(announcement(find(single, "Label10(0)"), "1"), "WIN 1");
  EXPECT_EQ(announcement(find(single, "Label10(1)"), "12"), "LOSS 12");
  EXPECT_EQ(announcement(find(single, "Label6"), "Ann"), std::nullopt);
  EXPECT_EQ(announcement(find(twoPlayerLayout(), "Label7"), "= \" O \""), std::nullopt);
}

}  // namespace
}  // namespace ttt::test
