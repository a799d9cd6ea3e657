#pragma once

#include <cstddef>
#include <string>

#include "forms/Layout.h"

namespace ttt {

// Breaks text into lines no wider than `maxWidth` pixels in the font, as
// a message box does: at the last blank that fits (the blank itself is dropped), or inside
// a word too long for a line of its own; line breaks of the text stay, and a carriage
// return is dropped. Blanks that open a line are kept. Past `maxLines` lines the text is
// cut, and the last line kept ends in an ellipsis. The lines are joined by '\n'.
std::string wrapToWidth(const std::string& text, int maxWidth, std::size_t maxLines,
                        const FontSpec& font, int pixelSize);

}  // namespace ttt
