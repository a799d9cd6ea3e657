#pragma once

#include <cstdint>
#include <vector>

namespace ttt {

// A small picture drawn by the program itself, as RGBA bytes row by row from the top left.
struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // width * height * 4 bytes
};

// The menu's icon, 32 pixels square: a round yellow smiling face with black eyes and nose and
// a red mouth. Any other size is the same drawing made at that size, for a larger scale.
PixelImage smilingFaceIcon(int size = 32);
// The game windows' icon, 32 or 16 pixels square: a glowing yellow light bulb with short rays.
// Any other size is the same drawing made at that size, for the desktop's icon theme.
PixelImage lightBulbIcon(int size);
// The cursor over link labels: a 32 x 32 two-colour hand with the index finger pointing up,
// its hot spot at the fingertip, drawn pixel by pixel. Any other size is the same hand drawn
// from shapes at that size, its outline as wide as one of those pixels, still in two colours.
PixelImage handCursor(int size = 32);
inline constexpr int kHandCursorHotSpotX = 5;
inline constexpr int kHandCursorHotSpotY = 0;

}  // namespace ttt
