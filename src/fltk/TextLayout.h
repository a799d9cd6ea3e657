#pragma once

#include <FL/Enumerations.H>

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/Layout.h"

using PangoLayout = struct _PangoLayout;

namespace ttt {

// Text shaped for one font at one pixel size, in whole pixels from its top left corner: the
// one place that turns text into glyphs, so that what is measured is what is drawn. Lines
// run left to right as the windows do; a right-to-left run inside one is drawn in its own
// order. Byte offsets index the UTF-8 text.
class TextLayout {
 public:
  struct Line {
    int left, width, baseline;
  };

  TextLayout(std::string_view text, const FontSpec& font, int pixelSize);
  ~TextLayout();
  TextLayout(const TextLayout&) = delete;
  TextLayout& operator=(const TextLayout&) = delete;

  int width() const;
  int height() const;
  std::vector<Line> lines() const;
  int unknownGlyphs() const;
  // Where a text cursor before the byte `offset` stands, as the cursor of the text's own
  // direction at that point.
  int cursorX(std::size_t offset) const;
  // The byte offset of the cursor position nearest to `x` on the first line.
  std::size_t offsetAt(int x) const;
  // The pixel spans, left to right, that the bytes from `begin` to `end` cover on the first
  // line: one span, or more where the range crosses a change of direction.
  std::vector<std::pair<int, int>> spans(std::size_t begin, std::size_t end) const;
  // Draws into the toolkit's current drawable, inside its current clip.
  void draw(int x, int y, Fl_Color colour) const;

 private:
  PangoLayout* layout_;
};

}  // namespace ttt
