#include "qt/system/ClassicLook.h"

#include <array>
#include <utility>

namespace ttt {

namespace {

// The Windows defaults of the system colours the windows use: window, window text, active
// and inactive border, button face and button text.
constexpr std::array<std::pair<int, QRgb>, 6> kSystemColours{
    {{5, 0xFFFFFF}, {8, 0x000000}, {10, 0xB4B4B4}, {11, 0xF4F7FC}, {15, 0xF0F0F0}, {18, 0x000000}}};
constexpr int kButtonFaceIndex = 15;

QColor systemDefault(int index) {
  for (const auto& [entry, rgb] : kSystemColours) {
    if (entry == index) return QColor::fromRgb(rgb);
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

// The bevels of the classic look: white above and left, grey and dark grey below and right.
QPalette classicPalette() {
  QPalette palette(qtColour(kButtonText), qtColour(kButtonFace), Qt::white, QColor(0xA0A0A0),
                   QColor(0xA0A0A0), qtColour(systemColour(8)), Qt::white,
                   qtColour(systemColour(5)), qtColour(kButtonFace));
  palette.setColor(QPalette::Midlight, QColor(0xE3E3E3));
  palette.setColor(QPalette::Shadow, QColor(0x696969));
  palette.setColor(QPalette::Highlight, QColor(0x0078D7));
  palette.setColor(QPalette::ToolTipBase, QColor(0xFFFFE1));
  palette.setColor(QPalette::ToolTipText, qtColour(kButtonText));
  for (const auto role : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
    palette.setColor(QPalette::Disabled, role, QColor(0x6D6D6D));
  return palette;
}

QFont qtFont(const FontSpec& font, int pixels) {
  QFont shown(font.face == FontFace::ComicSansMs ? QStringLiteral("Comic Neue")
                                                 : QStringLiteral("Liberation Sans"));
  shown.setPixelSize(pixels);
  shown.setBold(font.bold);
  shown.setUnderline(font.underline);
  return shown;
}

}  // namespace ttt
