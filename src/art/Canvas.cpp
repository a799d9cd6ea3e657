#include "art/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace ttt {

namespace {

constexpr int kSamplesPerSide = 4;
constexpr int kChannels = 4;

std::uint8_t toByte(double value) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

}  // namespace

Canvas::Canvas(int size) {
  const int side = std::max(size, 0);
  image_.width = side;
  image_.height = side;
  image_.rgba.assign(static_cast<std::size_t>(side * side * kChannels), 0);
}

void Canvas::fill(const Shape& shape, Rgba colour) {
  for (int row = 0; row < image_.height; ++row) {
    for (int column = 0; column < image_.width; ++column) {
      const double covered = coverage(shape, column, row);
      if (covered > 0) blend(column, row, colour, covered);
    }
  }
}

void Canvas::fillOutlined(const Shape& shape, Rgba body, Rgba outline, double outlineWidth) {
  fill(shape, outline);
  fill(grown(shape, -outlineWidth), body);
}

double Canvas::coverage(const Shape& shape, int column, int row) const {
  const double size = image_.width;
  int inside = 0;
  for (int i = 0; i < kSamplesPerSide; ++i) {
    for (int j = 0; j < kSamplesPerSide; ++j) {
      const double x = (column + (j + 0.5) / kSamplesPerSide) / size;
      const double y = (row + (i + 0.5) / kSamplesPerSide) / size;
      if (shape(x, y) < 0) ++inside;
    }
  }
  return static_cast<double>(inside) / (kSamplesPerSide * kSamplesPerSide);
}

// Straight-alpha "over": the new colour, weighted by its coverage, over the old pixel.
void Canvas::blend(int column, int row, Rgba colour, double coverage) {
  const auto offset = static_cast<std::size_t>((row * image_.width + column) * kChannels);
  std::uint8_t* pixel = &image_.rgba[offset];
  const double top = coverage * colour.alpha / 255.0;
  const double below = pixel[3] / 255.0 * (1.0 - top);
  const double alpha = top + below;
  const std::uint8_t channels[3] = {colour.red, colour.green, colour.blue};
  for (int c = 0; c < 3; ++c) {
    pixel[c] = toByte((channels[c] * top + pixel[c] * below) / alpha);
  }
  pixel[3] = toByte(alpha * 255.0);
}

}  // namespace ttt
