#include "qt/system/Colours.h"

#include <array>

namespace ttt {

namespace {

struct SystemColour {
  int index;
  QRgb rgb;
};

// The Windows defaults of the system colours the windows use.
constexpr std::array<SystemColour, 6> kSystemColours{{
    {5, 0xFFFFFF},   // window
    {8, 0x000000},   // window text
    {10, 0xB4B4B4},  // active border
    {11, 0xF4F7FC},  // inactive border
    {15, 0xF0F0F0},  // button face
    {18, 0x000000},  // button text
}};
constexpr int kButtonFaceIndex = 15;

QColor systemDefault(int index) {
  for (const SystemColour& entry : kSystemColours) {
    if (entry.index == index) return QColor::fromRgb(entry.rgb);
  }
  // A system colour no window uses shows as the button face rather than fail.
  return systemDefault(kButtonFaceIndex);
}

}  // namespace

QColor qtColour(Colour colour) {
  if ((colour & kSystemColourFlag) != 0) return systemDefault(static_cast<int>(colour & 0xFFu));
  return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                static_cast<int>((colour >> 16) & 0xFFu));
}

// The bevels of the classic look: white above and left, grey and black below and right.
QPalette classicPalette() {
  const QColor face = qtColour(kButtonFace);
  const QColor text = qtColour(kButtonText);
  QPalette palette(face);
  palette.setColor(QPalette::Window, face);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Button, face);
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::Base, qtColour(systemColour(5)));
  palette.setColor(QPalette::Text, qtColour(systemColour(8)));
  palette.setColor(QPalette::Light, Qt::white);
  palette.setColor(QPalette::Midlight, QColor(0xE3, 0xE3, 0xE3));
  palette.setColor(QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
  palette.setColor(QPalette::Dark, QColor(0xA0, 0xA0, 0xA0));
  palette.setColor(QPalette::Shadow, QColor(0x69, 0x69, 0x69));
  palette.setColor(QPalette::Highlight, QColor(0x00, 0x78, 0xD7));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
  palette.setColor(QPalette::ToolTipText, text);
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x6D, 0x6D, 0x6D));
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x6D, 0x6D, 0x6D));
  return palette;
}

}  // namespace ttt
