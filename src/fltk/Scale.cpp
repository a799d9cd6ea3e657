#include "fltk/Scale.h"

#include <algorithm>
#include <cmath>

namespace ttt {

namespace {

// value x numerator / denominator, rounded half away from zero.
int mulDiv(long long value, long long numerator, long long denominator) {
  const long long product = value * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : -((-product + half) / denominator));
}

}  // namespace

int Scale::twips(int twips) const { return mulDiv(twips, dpi_, 1440); }

int Scale::points(double points) const {
  return static_cast<int>(std::lround(points * dpi_ / 72.0));
}

int Scale::lineWidth(int widthAt96) const { return std::max(1, pixels(widthAt96)); }

int Scale::pixels(int pixelsAt96) const { return mulDiv(pixelsAt96, dpi_, kDefaultDpi); }

}  // namespace ttt
