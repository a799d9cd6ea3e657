#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "art/Canvas.h"
#include "art/Images.h"
#include "art/Shapes.h"

namespace ttt {

namespace {

constexpr int kCursorSize = 32;

// The hand, pixel by pixel: '#' black outline, '.' white fill, anything else transparent.
// The index finger points up from the left; its tip at column 5 of the top row is the
// pointer's hot spot.
// clang-format off
constexpr std::array<std::string_view, 25> kHandRows = {
    "     ##",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..###",
    "    #..#..###",
    "    #..#..#..###",
    "    #..#..#..#..#",
    "    #..#..#..#..#",
    " ## #..#..#..#..#",
    "#..##..#..#..#..#",
    "#...#..#..#..#..#",
    "#...#...........#",
    " #..............#",
    " #..............#",
    "  #.............#",
    "  #.............#",
    "   #...........#",
    "   #...........#",
    "    #.........#",
    "    #.........#",
    "     #.......#",
    "     #.......#",
    "     #########",
};
// clang-format on

void setPixel(PixelImage& image, int column, int row, std::uint8_t shade) {
  const auto offset = static_cast<std::size_t>((row * image.width + column) * 4);
  image.rgba[offset] = shade;
  image.rgba[offset + 1] = shade;
  image.rgba[offset + 2] = shade;
  image.rgba[offset + 3] = 255;
}

// The same hand as shapes, in units of the 32-pixel drawing's pixels: each finger and the
// palm a region whose outline is one unit wide, the outlines between the fingers included.
Shape cells(double left, double top, double right, double bottom) {
  return box(left / kCursorSize, top / kCursorSize, right / kCursorSize, bottom / kCursorSize);
}

Point at(double x, double y) { return {x / kCursorSize, y / kCursorSize}; }

std::vector<Shape> handParts() {
  return {
      unite(cells(4, 1, 8, 14), cells(5, 0, 7, 1)),  // the index finger and its tip
      cells(7, 5, 11, 14),
      cells(10, 6, 14, 14),
      cells(13, 7, 17, 14),
      stroke(at(2, 11.5), at(3.5, 14.5), 1.6 / kCursorSize),  // the thumb
      // The palm, one convex shape, so that its outline runs only round its edge.
      convexPolygon({at(1, 12), at(17, 12), at(17, 18), at(14, 25), at(5, 25), at(1, 15)}),
  };
}

// Drawn with smooth edges, then each pixel made black, white or clear, as a cursor has them.
PixelImage drawnHand(int size) {
  Canvas canvas(size);
  const std::vector<Shape> parts = handParts();
  for (const Shape& part : parts) canvas.fill(part, Rgba{0, 0, 0, 255});
  for (const Shape& part : parts)
    canvas.fill(grown(part, -1.0 / kCursorSize), Rgba{255, 255, 255, 255});
  PixelImage image = canvas.image();
  for (std::size_t i = 0; i < image.rgba.size(); i += 4) {
    const bool shown = image.rgba[i + 3] >= 128;
    const std::uint8_t shade = image.rgba[i] >= 128 ? 255 : 0;
    for (std::size_t c = 0; c < 3; ++c) image.rgba[i + c] = shown ? shade : 0;
    image.rgba[i + 3] = shown ? 255 : 0;
  }
  return image;
}

PixelImage pixelHand() {
  PixelImage image;
  image.width = kCursorSize;
  image.height = kCursorSize;
  image.rgba.assign(static_cast<std::size_t>(kCursorSize * kCursorSize * 4), 0);
  for (std::size_t row = 0; row < kHandRows.size(); ++row) {
    const std::string_view pixels = kHandRows[row];
    for (std::size_t column = 0; column < pixels.size(); ++column) {
      const int x = static_cast<int>(column);
      const int y = static_cast<int>(row);
      if (pixels[column] == '#') setPixel(image, x, y, 0);
      if (pixels[column] == '.') setPixel(image, x, y, 255);
    }
  }
  return image;
}

}  // namespace

PixelImage handCursor(int size) { return size == kCursorSize ? pixelHand() : drawnHand(size); }

}  // namespace ttt
