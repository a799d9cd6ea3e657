#include <algorithm>
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

// The drawing's pixel under the centre of a pixel of a picture `size` pixels square.
char drawnAt(int column, int row, int size) {
  const auto designRow = static_cast<std::size_t>((2 * row + 1) * kCursorSize / (2 * size));
  const auto designColumn = static_cast<std::size_t>((2 * column + 1) * kCursorSize / (2 * size));
  if (designRow >= kHandRows.size() || designColumn >= kHandRows[designRow].size()) return ' ';
  return kHandRows[designRow][designColumn];
}

}  // namespace

PixelImage handCursor(int size) {
  PixelImage image;
  image.width = std::max(size, 0);
  image.height = image.width;
  image.rgba.assign(static_cast<std::size_t>(image.width * image.height * 4), 0);
  for (int row = 0; row < image.height; ++row) {
    for (int column = 0; column < image.width; ++column) {
      const char drawn = drawnAt(column, row, image.width);
      if (drawn == '#') setPixel(image, column, row, 0);
      if (drawn == '.') setPixel(image, column, row, 255);
    }
  }
  return image;
}

}  // namespace ttt
