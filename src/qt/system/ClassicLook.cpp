#include "qt/system/ClassicLook.h"

#include "screens/layouts/ClassicColours.h"

namespace ttt {

QColor qtColour(Colour colour) { return QColor::fromRgb(classicRgb(colour)); }

// The bevels of the classic look: white above and left, grey below and right; Qt derives the
// rest (navy selections, pale yellow tooltips, greyed text) as the classic desktop has them.
QPalette classicPalette() {
  return QPalette(qtColour(kButtonText), qtColour(kButtonFace), Qt::white, QColor(0xA0A0A0),
                  QColor(0xA0A0A0), qtColour(systemColour(8)), Qt::white, qtColour(systemColour(5)),
                  qtColour(kButtonFace));
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
