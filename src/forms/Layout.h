#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ttt {

// A colour as 0xBBGGRR; 0x800000nn names the platform's system colour nn.
using Colour = std::uint32_t;
inline constexpr Colour kSystemColourFlag = 0x80000000u;
inline constexpr Colour systemColour(int index) {
  return kSystemColourFlag | static_cast<Colour>(index);
}
inline constexpr Colour kActiveBorder = systemColour(10);
inline constexpr Colour kInactiveBorder = systemColour(11);
inline constexpr Colour kButtonFace = systemColour(15);
inline constexpr Colour kButtonText = systemColour(18);

// Positions and sizes in twips (15 to a pixel), from the top left of the container.
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// End points of a straight line in twips; its width is in pixels.
struct TwipsLine {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  int widthPixels = 1;
};

enum class FontFace { MsSansSerif, ComicSansMs };

struct FontSpec {
  FontFace face = FontFace::MsSansSerif;
  double points = 8.25;
  bool bold = false;
  bool underline = false;
};

enum class ControlKind { Label, Button, Frame, Line };

// One widget of a window as it is when the window is loaded.
struct ControlLayout {
  std::string name;  // "Label2", or the array's name "S" with index >= 0
  int index = -1;    // element of a control array, -1 for a single control
  ControlKind kind = ControlKind::Label;
  std::string container;  // "" for the window's client area, else the frame's name
  std::string caption;
  TwipsRect rect;  // labels, buttons and frames
  TwipsLine line;  // lines
  FontSpec font;
  Colour foreColour = kButtonText;
  Colour backColour = kButtonFace;
  bool opaque = true;  // labels: paint the background colour behind the text
  bool visible = true;
  bool enabled = true;
  bool autoSize = false;  // labels: take the size of the caption in the font
  bool link = false;      // labels: hand cursor, and a tooltip that repeats the caption
  int tabIndex = 0;

  // "S(4)" for an array element, the name alone otherwise.
  std::string fullName() const {
    return index < 0 ? name : name + "(" + std::to_string(index) + ")";
  }
};

struct TimerLayout {
  std::string name;
  int interval = 0;  // milliseconds; 0 means stopped
};

enum class BorderStyle { FixedDialog, FixedSingle };
enum class WindowIcon { SmilingFace, LightBulb };

// A whole window: its frame and its widgets as they are at load.
struct FormLayout {
  std::string name;
  std::string caption;
  int clientWidth = 0;   // twips
  int clientHeight = 0;  // twips
  BorderStyle border = BorderStyle::FixedSingle;
  Colour backColour = kButtonFace;
  WindowIcon icon = WindowIcon::LightBulb;
  bool taskbarButton = true;
  std::vector<ControlLayout> controls;  // stacking order, topmost first
  std::vector<TimerLayout> timers;      // dispatch order: Timer1 first
};

}  // namespace ttt
