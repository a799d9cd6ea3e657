#include "screens/layouts/ClassicColours.h"

#include <array>
#include <utility>

namespace ttt {

namespace {

// The Windows defaults of the system colours the windows use: window, window text, active
// and inactive border, button face and button text.
constexpr std::array<std::pair<int, std::uint32_t>, 6> kSystemColours{
    {{5, 0xFFFFFF}, {8, 0x000000}, {10, 0xB4B4B4}, {11, 0xF4F7FC}, {15, 0xF0F0F0}, {18, 0x000000}}};
constexpr int kButtonFaceIndex = 15;

std::uint32_t systemDefault(int index) {
  for (const auto& [entry, rgb] : kSystemColours) {
    if (entry == index) return rgb;
  }
  // A system colour no window uses shows as the button face rather than fail.
  return systemDefault(kButtonFaceIndex);
}

}  // namespace

// Layouts give fixed colours as 0xBBGGRR.
std::uint32_t classicRgb(Colour colour) {
  if ((colour & kSystemColourFlag) != 0) return systemDefault(static_cast<int>(colour & 0xFFu));
  return ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}

}  // namespace ttt
