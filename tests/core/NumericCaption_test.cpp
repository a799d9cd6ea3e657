#include "core/NumericCaption.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace ttt::test {
namespace {

TEST(NumericCaption, CountersReadTheLeadingNumberAndWritePlainDecimal) {
  // A caption, the step added to it, and the caption written back; past the 16- and 32-bit
  // limits a counter keeps counting instead of wrapping.
  const std::vector<std::tuple<const char*, int, const char*>> cases = {
      {"", 1, "1"},
      {"abc", 0, "0"},
      {"-", 0, "0"},
      {".", 0, "0"},
      {" 12abc", 1, "13"},
      {"7 8", 0, "7"},
      {"+4", 0, "4"},
      {"-3", 1, "-2"},
      {"1.5", 2, "3.5"},
      {"1.5.3", 0, "1.5"},
      {"-1", 1, "0"},
      {"32767", 1, "32768"},
      {"2147483647", 1, "2147483648"},
      {"999999999999", 1, "1000000000000"}};
  for (const auto& [caption, step, expected] : cases)
    EXPECT_EQ(addToCounter(caption, step), expected) << caption;
}

}  // namespace
}  // namespace ttt::test
