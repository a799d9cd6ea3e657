#include "fltk/Scale.h"

#include "screens/Placement.h"

namespace ttt {

namespace {

// A pixel at 96 dots per inch is 15 twips.
constexpr int kTwipsPerPixelAt96 = 15;

}  // namespace

int Scale::pixels(int pixelsAt96) const {
  return twipsToPixels(pixelsAt96 * kTwipsPerPixelAt96, dpi_);
}

int Scale::lineWidth(int widthAt96) const { return scaledLineWidth(widthAt96, dpi_); }

}  // namespace ttt
