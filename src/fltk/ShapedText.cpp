#include "fltk/ShapedText.h"

#include "fltk/TextLayout.h"

namespace ttt::shaped_text {

TextSize measure(std::string_view text, const FontSpec& font, int pixelSize) {
  const TextLayout layout(text, font, pixelSize);
  return {layout.width(), layout.height()};
}

void draw(std::string_view text, const FontSpec& font, int pixelSize, int x, int y,
          Fl_Color colour) {
  if (!text.empty()) TextLayout(text, font, pixelSize).draw(x, y, colour);
}

int unknownGlyphs(std::string_view text, const FontSpec& font, int pixelSize) {
  return TextLayout(text, font, pixelSize).unknownGlyphs();
}

}  // namespace ttt::shaped_text
