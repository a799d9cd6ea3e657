#include "core/NumericCaption.h"

#include <gtest/gtest.h>

namespace ttt::test {
namespace {

TEST(NumericCaption, ReadsTheLeadingNumber) {
  EXPECT_EQ(readLeadingNumber(""), 0.0);
  EXPECT_EQ(readLeadingNumber("abc"), 0.0);
  EXPECT_EQ(readLeadingNumber("-"), 0.0);
  EXPECT_EQ(readLeadingNumber("."), 0.0);
  EXPECT_EQ(readLeadingNumber(" 12abc"), 12.0);
  EXPECT_EQ(readLeadingNumber("-3"), -3.0);
  EXPECT_EQ(readLeadingNumber("+4"), 4.0);
  EXPECT_EQ(readLeadingNumber("1.5"), 1.5);
  EXPECT_EQ(readLeadingNumber("1.5.3"), 1.5);
  EXPECT_EQ(readLeadingNumber("7 8"), 7.0);
}

TEST(NumericCaption, WritesPlainDecimal) {
  EXPECT_EQ(writePlainDecimal(3), "3");
  EXPECT_EQ(writePlainDecimal(0), "0");
  EXPECT_EQ(writePlainDecimal(-2), "-2");
  EXPECT_EQ(writePlainDecimal(12.5), "12.5");
  EXPECT_EQ(writePlainDecimal(-0.0), "0");
}

TEST(NumericCaption, CountersStartFromAnEmptyCaptionAndGrowWithoutLimit) {
  EXPECT_EQ(addToCounter("", 1), "1");
  EXPECT_EQ(addToCounter("1", 2), "3");
  EXPECT_EQ(addToCounter(" 12abc", 1), "13");
  EXPECT_EQ(addToCounter("-3", 1), "-2");
  EXPECT_EQ(addToCounter("1.5", 2), "3.5");
  // Past the 16- and 32-bit limits a counter keeps counting instead of wrapping.
  EXPECT_EQ(addToCounter("32767", 1), "32768");
  EXPECT_EQ(addToCounter("2147483647", 1), "2147483648");
  EXPECT_EQ(addToCounter("999999999999", 1), "1000000000000");
}

}  // namespace
}  // namespace ttt::test
