#include "screens/layouts/Placement.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace ttt {
namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kHundredthPointsPerInch = 7200;
constexpr int kReferenceDpi = 96;

// value * numerator / denominator, rounded to nearest with halves away from zero.
int mulDiv(long long value, long long numerator, long long denominator) {
  const long long product = value * numerator;
  const long long magnitude = (std::llabs(product) + denominator / 2) / denominator;
  return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

// The index of the frame a control lies in, -1 for the client area.
int containerIndex(const FormLayout& layout, const ControlLayout& control) {
  if (control.container.empty()) return -1;
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const ControlLayout& frame = layout.controls[i];
    if (frame.kind == ControlKind::Frame && frame.fullName() == control.container) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

// Buttons take the focus, in the order of their tab index; ties keep the stacking order.
void numberTabOrder(std::vector<PlacedControl>& controls) {
  std::vector<PlacedControl*> focusable;
  for (PlacedControl& control : controls) {
    if (control.layout->kind == ControlKind::Button) focusable.push_back(&control);
  }
  std::ranges::stable_sort(focusable, {},
                           [](const PlacedControl* c) { return c->layout->tabIndex; });
  for (std::size_t order = 0; order < focusable.size(); ++order) {
    focusable[order]->tabOrder = static_cast<int>(order);
  }
}

}  // namespace

int twipsToPixels(int twips, int dpi) { return mulDiv(twips, dpi, kTwipsPerInch); }

int pointsToPixels(double points, int dpi) {
  return mulDiv(std::lround(points * 100.0), dpi, kHundredthPointsPerInch);
}

int scaledLineWidth(int widthAt96, int dpi) {
  return std::max(1, mulDiv(widthAt96, dpi, kReferenceDpi));
}

PlacedForm placeForm(const FormLayout& layout, int dpi) {
  PlacedForm placed{&layout,
                    dpi,
                    twipsToPixels(layout.clientWidth, dpi),
                    twipsToPixels(layout.clientHeight, dpi),
                    {}};
  const int count = static_cast<int>(layout.controls.size());
  for (int i = 0; i < count; ++i) {
    const ControlLayout& control = layout.controls[static_cast<std::size_t>(i)];
    const TwipsRect& r = control.rect;
    const TwipsLine& l = control.line;
    placed.controls.push_back(
        {&control,
         containerIndex(layout, control),
         {twipsToPixels(r.left, dpi), twipsToPixels(r.top, dpi), twipsToPixels(r.width, dpi),
          twipsToPixels(r.height, dpi)},
         {twipsToPixels(l.x1, dpi), twipsToPixels(l.y1, dpi), twipsToPixels(l.x2, dpi),
          twipsToPixels(l.y2, dpi), scaledLineWidth(l.widthPixels, dpi)},
         count - 1 - i,  // the layout lists the topmost first
         -1,
         pointsToPixels(control.font.points, dpi)});
  }
  numberTabOrder(placed.controls);
  return placed;
}

PixelRect inClientArea(const PlacedForm& form, const PlacedControl& control) {
  PixelRect rect = control.rect;
  int container = control.container;
  // A frame inside a frame adds its own corner; the bound stops a layout that loops.
  for (std::size_t depth = 0; container >= 0 && depth < form.controls.size(); ++depth) {
    const PlacedControl& frame = form.controls[static_cast<std::size_t>(container)];
    rect.x += frame.rect.x;
    rect.y += frame.rect.y;
    container = frame.container;
  }
  return rect;
}

}  // namespace ttt
