#include "fltk/Bevels.h"

#include <FL/fl_draw.H>

#include <string>
#include <string_view>

namespace ttt {

namespace {

// The toolkit's border patterns name four grey levels per ring, one for each side; each
// ring is repeated to make it ringWidth pixels wide.
std::string widened(std::string_view rings, int ringWidth) {
  std::string result;
  for (std::size_t ring = 0; ring + 4 <= rings.size(); ring += 4) {
    for (int i = 0; i < ringWidth; ++i) result += rings.substr(ring, 4);
  }
  return result;
}

void fillInside(int x, int y, int w, int h, Fl_Color fill, int ringWidth) {
  const int inset = bevels::inset(ringWidth);
  fl_color(fill);
  fl_rectf(x + inset, y + inset, w - 2 * inset, h - 2 * inset);
}

}  // namespace

// The patterns are those of the toolkit's own boxes (top, left, bottom, right for fl_frame;
// bottom, right, top, left for fl_frame2).
void bevels::drawEngravedBox(int x, int y, int w, int h, Fl_Color fill, int ringWidth) {
  fl_frame(widened("HHWWWWHH", ringWidth).c_str(), x, y, w, h);
  fillInside(x, y, w, h, fill, ringWidth);
}

void bevels::drawButtonBox(bool down, int x, int y, int w, int h, Fl_Color fill, int ringWidth) {
  fl_frame2(widened(down ? "WWMMPPAA" : "AAWWMMTT", ringWidth).c_str(), x, y, w, h);
  fillInside(x, y, w, h, fill, ringWidth);
}

}  // namespace ttt
