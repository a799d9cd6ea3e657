#include <gtest/gtest.h>

#include <string>

#include "screens/text/MessageWrap.h"
#include "support/TestGraphemes.h"

namespace ttt::test {
namespace {

// Ten pixels a character, as the test's clusters count them.
int measure(std::string_view text) {
  static const TestGraphemes clusters;
  return static_cast<int>(clusters.count(text)) * 10;
}

TEST(MessageWrap, OnlyRunsTooWideForALineAreBrokenBetweenWholeCharacters) {
  const TestGraphemes clusters;
  EXPECT_EQ(breakLongRuns("ab cd\tef", 20, measure, clusters, "\n"), "ab cd\tef");
  EXPECT_EQ(breakLongRuns("abcdefg won", 30, measure, clusters, "\r\n"), "abc\r\ndef\r\ng won");
  const std::string accented = "e\xCC\x81";
  EXPECT_EQ(breakLongRuns(accented + accented + accented, 20, measure, clusters, "\n"),
            accented + accented + "\n" + accented)
      << "an accent stays on its letter";
  // A line narrower than any character still takes one character a line, and ends.
  EXPECT_EQ(breakLongRuns("abc", 1, measure, clusters, "\n"), "a\nb\nc");
}

}  // namespace
}  // namespace ttt::test
