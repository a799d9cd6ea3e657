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

TEST(Images, TheHandAtAnyScaleKeepsTwoColoursAndItsFingertipOnTheScaledHotSpot) {
  // Sizes and hot spots at 120, 144 and 192 dots per inch.
  for (const auto& [size, hotSpotX] : {std::pair{40, 6}, {48, 8}, {64, 10}}) {
    const PixelImage hand = handCursor(size);
    ASSERT_EQ(hand.rgba.size(), 4u * static_cast<std::size_t>(size * size));
    const auto alpha = [&](int x, int y) {
      return hand.rgba.at(4u * static_cast<std::size_t>(y * size + x) + 3);
    };
    EXPECT_EQ(alpha(hotSpotX, 0), 255) << size;
    EXPECT_EQ(hand.rgba.at(4u * static_cast<std::size_t>(hotSpotX)), 0) << size << ": black tip";
    EXPECT_EQ(alpha(hotSpotX - 2, 0), 0) << size;
    for (std::size_t i = 0; i < hand.rgba.size(); i += 4) {
      const bool hard = (hand.rgba[i + 3] == 0 || hand.rgba[i + 3] == 255) &&
                        (hand.rgba[i] == 0 || hand.rgba[i] == 255);
      ASSERT_TRUE(hard) << size << " at " << i / 4;
    }
  }
  // Drawn at its size, its black outline is as many pixels thick as one pixel is at that scale.
  const PixelImage large = handCursor(64);
  EXPECT_EQ(large.rgba.at(4u * (6 * 64 + 8)), 0);  // the finger's left edge
  EXPECT_EQ(large.rgba.at(4u * (6 * 64 + 9)), 0);
  EXPECT_EQ(large.rgba.at(4u * (6 * 64 + 10)), 255);   // inside the finger
  EXPECT_EQ(large.rgba.at(4u * (6 * 64 + 7) + 3), 0);  // beside it, nothing
}

}  // namespace
}  // namespace ttt::test
