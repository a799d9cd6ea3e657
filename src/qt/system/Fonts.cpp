#include "qt/system/Fonts.h"

namespace ttt {

QFont qtFont(const FontSpec& font, int pixels) {
  QFont shown(font.face == FontFace::ComicSansMs ? QStringLiteral("Comic Neue")
                                                 : QStringLiteral("Liberation Sans"));
  shown.setPixelSize(pixels);
  shown.setBold(font.bold);
  shown.setUnderline(font.underline);
  return shown;
}

}  // namespace ttt
