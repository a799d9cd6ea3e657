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

// The menu's icon: a round yellow smiling face with black eyes and nose and a red mouth.
PixelImage smilingFaceIcon();
// The game windows' icon, 32 or 16 pixels square: a glowing yellow light bulb with short rays.
// Any other size is the same drawing made at that size, for the desktop's icon theme.
PixelImage lightBulbIcon(int size);
// The cursor over link labels: a 32 x 32 two-colour hand with the index finger pointing up.
PixelImage handCursor();
inline constexpr int kHandCursorHotSpotX = 5;
inline constexpr int kHandCursorHotSpotY = 0;

}  // namespace ttt
