#pragma once

#include <FL/Enumerations.H>

#include <string_view>

#include "forms/Layout.h"

namespace ttt::shaped_text {

// Every caption, name, tooltip and dialog text is measured and drawn here, in any script:
// characters the face lacks come from a fallback face, right-to-left runs are drawn in their
// order, joined scripts are shaped and combining marks sit on their base. The text is
// literal: no '@' symbols and no '&' access keys; a line break starts a new line. The pixel
// size is the caller's, so that the same call serves every scale.

struct TextSize {
  int width, height;
};

// The size of the text's lines; an empty text keeps the height of one line.
TextSize measure(std::string_view text, const FontSpec& font, int pixelSize);
// Draws the text with its top left corner at x, y in the current drawable, inside the
// current clip.
void draw(std::string_view text, const FontSpec& font, int pixelSize, int x, int y,
          Fl_Color colour);
// How many glyphs of the text no installed face has, which would be drawn as boxes.
int unknownGlyphs(std::string_view text, const FontSpec& font, int pixelSize);

}  // namespace ttt::shaped_text
