// The canvas samples only near the edges of a shape: what it paints must be what sampling
// every pixel of the picture paints.
#include "art/Canvas.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

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

}  // namespace
}  // namespace ttt::test
