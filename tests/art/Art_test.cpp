// The pictures the program draws. The canvas samples only near the edges of a shape: what it
// paints must be what sampling every pixel of the picture paints.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "art/Canvas.h"
#include "art/Images.h"
#include "art/Shapes.h"

namespace ttt::test {
namespace {

// The share of a pixel's 4 x 4 samples inside the shape, worked out for every pixel.
std::vector<int> sampledEverywhere(const Shape& shape, int size) {
  std::vector<int> inside;
  for (int row = 0; row < size; ++row) {
    for (int column = 0; column < size; ++column) {
      int count = 0;
      for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
          count +=
              shape.distance({(column + (j + 0.5) / 4) / size, (row + (i + 0.5) / 4) / size}) < 0;
      inside.push_back(count);
    }
  }
  return inside;
}

// The same shares read back from what the canvas painted in opaque white: alpha = share * 255.
std::vector<int> painted(const Shape& shape, int size) {
  Canvas canvas(size);
  canvas.fill(shape, Rgba{255, 255, 255, 255});
  std::vector<int> inside;
  const auto& rgba = canvas.image().rgba;
  for (std::size_t alpha = 3; alpha < rgba.size(); alpha += 4)
    inside.push_back((rgba[alpha] * 16 + 127) / 255);
  return inside;
}

TEST(Canvas, PaintsEveryShapeAsSamplingEachPixelWould) {
  const std::vector<std::pair<std::string, Shape>> shapes = {
      {"circle", circle({0.5, 0.5}, 0.48)},
      {"thin ellipse", ellipse({0.35, 0.36}, 0.06, 0.10)},
      {"wide ellipse", ellipse({0.5, 0.91}, 0.3, 0.05)},
      {"stroke", stroke({0.1, 0.2}, {0.8, 0.7}, 0.02)},
      {"triangle", convexPolygon({{0.5, 0.47}, {0.56, 0.59}, {0.44, 0.59}})},
      {"union", unite(circle({0.5, 0.4}, 0.25), box(0.34, 0.5, 0.66, 0.72))},
      {"smile", intersect(edgeBand(circle({0.5, 0.47}, 0.27), 0.04), box(0.0, 0.6, 1.0, 1.0))},
      {"shrunk", grown(ellipse({0.5, 0.5}, 0.4, 0.1), -0.03)},
      {"band of an ellipse", edgeBand(ellipse({0.5, 0.5}, 0.45, 0.08), 0.05)},
      {"past the picture", circle({0.95, 0.05}, 0.2)},
      {"outside the picture", circle({-0.5, 2.0}, 0.3)},
  };
  for (const auto& [name, shape] : shapes) {
    for (int size : {7, 16, 32, 48}) {
      EXPECT_EQ(painted(shape, size), sampledEverywhere(shape, size)) << name << " at " << size;
    }
  }
}

TEST(Images, HaveTheirSizesAndTheHandAtEveryScaleHasTwoColoursAndItsTipOnTheHotSpot) {
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
