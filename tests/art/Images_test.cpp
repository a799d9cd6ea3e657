#include "art/Images.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <utility>

namespace ttt::test {
namespace {

TEST(Images, HaveTheirSizesAndTheHandsFingertipIsOnTheHotSpot) {
  for (const auto& [icon, side] : {std::pair{smilingFaceIcon(), 32},
                                   {lightBulbIcon(32), 32},
                                   {lightBulbIcon(16), 16},
                                   {handCursor(), 32}}) {
    EXPECT_EQ(icon.width, side);
    EXPECT_EQ(icon.height, side);
    EXPECT_EQ(icon.rgba.size(), 4u * static_cast<std::size_t>(side * side));
  }
  EXPECT_EQ(std::pair(kHandCursorHotSpotX, kHandCursorHotSpotY), std::pair(5, 0));
  for (std::size_t x = 0; x <= 5; ++x) EXPECT_EQ(handCursor().rgba.at(x * 4 + 3), x < 5 ? 0 : 255);
}

}  // namespace
}  // namespace ttt::test
