#pragma once

#include <vector>

#include "forms/Layout.h"

namespace ttt {

// Layout units at a display's dots per inch, rounded to the nearest pixel (halves away from
// zero) as the platform's MulDiv rounds. At 96 dots per inch a twip is 1/15 pixel.
int twipsToPixels(int twips, int dpi);
// A font's size in pixels: points are 1/72 inch.
int pointsToPixels(double points, int dpi);
// A line width given in pixels at 96 dots per inch; never thinner than one pixel.
int scaledLineWidth(int widthAt96, int dpi);

struct PixelRect {
  int x, y, width, height;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};
struct PixelLine {
  int x1, y1, x2, y2, width;
  friend bool operator==(const PixelLine&, const PixelLine&) = default;
};

// One control of a layout in pixels.
struct PlacedControl {
  const ControlLayout* layout;
  int container;   // index into PlacedForm::controls of its frame, -1 for the client area
  PixelRect rect;  // relative to its container
  PixelLine line;  // lines: end points relative to the container, and the width
  int stacking;    // 0 = bottom-most, counted over the whole window
  int tabOrder;    // focus order among the controls that take the focus, -1 for the others
  int fontPixels;
};

struct PlacedForm {
  const FormLayout* layout;
  int dpi;
  int clientWidth, clientHeight;
  std::vector<PlacedControl> controls;  // same order as FormLayout::controls
};

PlacedForm placeForm(const FormLayout& layout, int dpi);
// A control's rectangle relative to the window's client area, through every frame it lies in.
PixelRect inClientArea(const PlacedForm& form, const PlacedControl& control);

}  // namespace ttt
