#pragma once

#include "win32/WinApi.h"

#include "forms/Layout.h"

namespace ttt {

// Layout units at a window's dots per inch: twips are 1/1440 inch, line widths are pixels at
// 96 dots per inch, font sizes are points (1/72 inch).
class Scale {
 public:
  explicit Scale(UINT dpi = USER_DEFAULT_SCREEN_DPI) : dpi_(static_cast<int>(dpi)) {}

  UINT dpi() const { return static_cast<UINT>(dpi_); }
  int twips(int value) const { return MulDiv(value, dpi_, 1440); }
  int pixels(int valueAt96) const { return MulDiv(valueAt96, dpi_, USER_DEFAULT_SCREEN_DPI); }
  RECT rect(const TwipsRect& r) const {
    const int left = twips(r.left);
    const int top = twips(r.top);
    return {left, top, left + twips(r.width), top + twips(r.height)};
  }
  // The height of a font for CreateFont: negative, so that it is the em height.
  int fontHeight(double points) const {
    return -MulDiv(static_cast<int>(points * 100.0 + 0.5), dpi_, 7200);
  }

 private:
  int dpi_;
};

}  // namespace ttt
