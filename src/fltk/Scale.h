#pragma once

namespace ttt {

// The scale a display asks for when nothing is set, as Xft assumes; the layouts' pixels are
// those at this scale.
inline constexpr int kDefaultDpi = 96;

// The dots per inch the windows are drawn at, for what the toolkit and this backend give in
// pixels at 96 dots per inch: margins, borders, icons, the cursor. The layouts themselves are
// placed at the same dots per inch by the shared placement, with the same rounding.
class Scale {
 public:
  constexpr explicit Scale(int dpi) : dpi_(dpi) {}

  constexpr int dpi() const { return dpi_; }
  // A size in pixels at 96 dots per inch, rounded to the nearest pixel, halves away from 0.
  int pixels(int pixelsAt96) const;
  // The same for a line width, never thinner than one pixel.
  int lineWidth(int widthAt96) const;

 private:
  int dpi_;
};

}  // namespace ttt
