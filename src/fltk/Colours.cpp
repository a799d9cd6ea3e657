#include "fltk/Colours.h"

#include <FL/Fl.H>

#include <array>

namespace ttt {

namespace {

struct SystemColour {
  int index;
  unsigned char red;
  unsigned char green;
  unsigned char blue;
};

// The Windows defaults of the system colours the windows use.
constexpr std::array<SystemColour, 6> kSystemColours{{
    {5, 255, 255, 255},   // window
    {8, 0, 0, 0},         // window text
    {10, 180, 180, 180},  // active border
    {11, 244, 247, 252},  // inactive border
    {15, 240, 240, 240},  // button face
    {18, 0, 0, 0},        // button text
}};

constexpr int kButtonFaceIndex = 15;

const SystemColour* findSystemColour(int index) {
  for (const SystemColour& entry : kSystemColours) {
    if (entry.index == index) return &entry;
  }
  return nullptr;
}

Fl_Color systemColourFor(int index) {
  const SystemColour* entry = findSystemColour(index);
  // A system colour no window uses shows as the button face rather than fail.
  if (entry == nullptr) entry = findSystemColour(kButtonFaceIndex);
  return fl_rgb_color(entry->red, entry->green, entry->blue);
}

unsigned char channel(Colour colour, int shift) {
  return static_cast<unsigned char>((colour >> shift) & 0xFFu);
}

}  // namespace

Fl_Color toolkitColour(Colour colour) {
  if ((colour & kSystemColourFlag) != 0) {
    return systemColourFor(static_cast<int>(colour & 0xFFu));
  }
  return fl_rgb_color(channel(colour, 0), channel(colour, 8), channel(colour, 16));
}

}  // namespace ttt
