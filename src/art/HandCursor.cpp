#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "art/Images.h"

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

}  // namespace

PixelImage handCursor() {
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

}  // namespace ttt
