#pragma once

namespace ttt {

// The scale a display asks for when nothing is set, as Xft assumes; the layouts' pixels are
// those at this scale.
inline constexpr int kDefaultDpi = 96;

// The dots per inch the windows are drawn at, and the layouts' units in pixels at that scale.
// Every value is rounded as Win32's MulDiv rounds, half away from zero, so that at 96 dots
// per inch a position is its twips / 15 and a size its pixels at 96.
class Scale {
 public:
  constexpr explicit Scale(int dpi) : dpi_(dpi) {}

  constexpr int dpi() const { return dpi_; }
  // A position or size in twips, 1440 to the inch.
  int twips(int twips) const;
  // A font's pixel size: points x dpi / 72.
  int points(double points) const;
  // A line width given in pixels at 96 dots per inch; never thinner than one pixel.
  int lineWidth(int widthAt96) const;
  // A size the toolkit gives in pixels at 96 dots per inch: margins, icons, the cursor.
  int pixels(int pixelsAt96) const;

 private:
  int dpi_;
};

}  // namespace ttt
