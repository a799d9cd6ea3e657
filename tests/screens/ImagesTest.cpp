#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <functional>
#include <utility>

#include "screens/Images.h"

namespace ttt::test {
namespace {

struct Pixel {
  int red;
  int green;
  int blue;
  int alpha;
};

Pixel pixelAt(const PixelImage& image, int x, int y) {
  const auto at = static_cast<std::size_t>((y * image.width + x) * 4);
  return {image.rgba[at], image.rgba[at + 1], image.rgba[at + 2], image.rgba[at + 3]};
}

// How many pixels of rows first to last (exclusive) match.
int countPixels(const PixelImage& image, int first, int last,
                const std::function<bool(const Pixel&)>& matches) {
  int count = 0;
  for (int y = first; y < last; ++y) {
    for (int x = 0; x < image.width; ++x) count += matches(pixelAt(image, x, y)) ? 1 : 0;
  }
  return count;
}

bool isOpaque(const Pixel& p) { return p.alpha > 128; }
bool isYellow(const Pixel& p) {
  return isOpaque(p) && p.red > 200 && p.green > 170 && p.blue < 120;
}
bool isBlack(const Pixel& p) { return isOpaque(p) && p.red + p.green + p.blue < 150; }
bool isRed(const Pixel& p) { return isOpaque(p) && p.red > 180 && p.green < 80 && p.blue < 80; }
bool isGrey(const Pixel& p) {
  return isOpaque(p) && p.red > 60 && p.red < 220 && std::abs(p.red - p.blue) < 20;
}

TEST(Images, HaveTheirSizesAndTransparentCorners) {
  for (const auto& [image, size] : {std::pair{smilingFaceIcon(), 32}, {lightBulbIcon(32), 32},
                                    {lightBulbIcon(16), 16}, {handCursor(), 32}}) {
    ASSERT_EQ(image.width, size);
    ASSERT_EQ(image.height, size);
    ASSERT_EQ(image.rgba.size(), static_cast<std::size_t>(size * size * 4));
    EXPECT_EQ(pixelAt(image, size - 1, 0).alpha, 0);
    EXPECT_EQ(pixelAt(image, 0, size - 1).alpha, 0);
    EXPECT_EQ(pixelAt(image, size - 1, size - 1).alpha, 0);
  }
  EXPECT_TRUE(lightBulbIcon(0).rgba.empty());
  EXPECT_TRUE(lightBulbIcon(-4).rgba.empty());
}

TEST(Images, HandIsTwoColoursWithItsFingertipOnTheHotSpot) {
  const PixelImage hand = handCursor();
  const auto twoColours = [](const Pixel& p) {
    const bool grey = p.red == p.green && p.green == p.blue;
    return p.alpha == 0 || (p.alpha == 255 && grey && (p.red == 0 || p.red == 255));
  };
  EXPECT_EQ(countPixels(hand, 0, 32, twoColours), 32 * 32);
  const int white = countPixels(hand, 0, 32, [](const Pixel& p) { return p.alpha && p.red; });
  const int black = countPixels(hand, 0, 32, [](const Pixel& p) { return p.alpha && !p.red; });
  EXPECT_GT(black, 0);
  EXPECT_GT(white, black / 2) << "the hand is filled, not only outlined";
  EXPECT_EQ(pixelAt(hand, kHandCursorHotSpotX, kHandCursorHotSpotY).alpha, 255);
  for (int x = 0; x < kHandCursorHotSpotX; ++x) EXPECT_EQ(pixelAt(hand, x, 0).alpha, 0) << x;
}

TEST(Images, FaceHasEyesAboveARedMouthOnYellow) {
  const PixelImage face = smilingFaceIcon();
  EXPECT_TRUE(isYellow(pixelAt(face, 16, 6)));
  EXPECT_GT(countPixels(face, 6, 16, isBlack), 8) << "two eyes";
  EXPECT_EQ(countPixels(face, 0, 16, isRed), 0);
  EXPECT_GT(countPixels(face, 16, 32, isRed), 15) << "a mouth";
}

TEST(Images, BulbIsMostlyYellowOnAGreyBase) {
  for (int size : {16, 32}) {
    const PixelImage bulb = lightBulbIcon(size);
    const int baseTop = size * 2 / 3;
    EXPECT_GT(countPixels(bulb, 0, size, isYellow) * 2, countPixels(bulb, 0, size, isOpaque));
    EXPECT_EQ(countPixels(bulb, 0, baseTop, isGrey), 0) << size;
    EXPECT_GT(countPixels(bulb, baseTop, size, isGrey), size / 2) << size;
  }
}

}  // namespace
}  // namespace ttt::test
