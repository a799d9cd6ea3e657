#pragma once

#include <cstdint>

#include "art/Images.h"
#include "art/Shapes.h"

namespace ttt {

struct Rgba {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t alpha = 255;
};

// A square, initially transparent picture on which shapes are painted one over another.
// Each pixel is sampled on a 4 x 4 grid, so edges come out smooth at icon sizes.
class Canvas {
 public:
  explicit Canvas(int size);

  // Paints the shape in the colour over what is already there.
  void fill(const Shape& shape, Rgba colour);
  // Paints the shape with a border: the outline colour first, the shape shrunk inside it.
  void fillOutlined(const Shape& shape, Rgba body, Rgba outline, double outlineWidth);
  const PixelImage& image() const { return image_; }

 private:
  double coverage(const Shape& shape, int column, int row) const;
  void blend(int column, int row, Rgba colour, double coverage);

  PixelImage image_;
};

}  // namespace ttt
