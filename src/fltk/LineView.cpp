#include "fltk/LineView.h"

#include <FL/Fl_Group.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdlib>

#include "fltk/Colours.h"
#include "fltk/Units.h"
#include "forms/Control.h"

namespace ttt {

namespace {

// The widget's box covers the line and its width, so that a repaint of that area draws it.
int boxLeft(const TwipsLine& line, int originX) {
  return originX + twipsToPixels(std::min(line.x1, line.x2)) - line.widthPixels;
}

int boxTop(const TwipsLine& line, int originY) {
  return originY + twipsToPixels(std::min(line.y1, line.y2)) - line.widthPixels;
}

int boxExtent(int from, int to, int widthPixels) {
  return std::abs(twipsToPixels(to) - twipsToPixels(from)) + 2 * widthPixels + 1;
}

}  // namespace

LineView::LineView(const ControlLayout& layout, int originX, int originY)
    : Fl_Widget(boxLeft(layout.line, originX), boxTop(layout.line, originY),
                boxExtent(layout.line.x1, layout.line.x2, layout.line.widthPixels),
                boxExtent(layout.line.y1, layout.line.y2, layout.line.widthPixels)),
      x1_(originX + twipsToPixels(layout.line.x1)),
      y1_(originY + twipsToPixels(layout.line.y1)),
      x2_(originX + twipsToPixels(layout.line.x2)),
      y2_(originY + twipsToPixels(layout.line.y2)),
      lineWidth_(std::max(1, layout.line.widthPixels)) {
  box(FL_NO_BOX);
  color(toolkitColour(layout.foreColour));
  if (!layout.visible) hide();
}

void LineView::apply(const Control& control) {
  mirrorVisible(*this, control);
  // A hidden line's pixels go only when its container repaints.
  if (parent() != nullptr) parent()->redraw();
}

int LineView::handle(int /*event*/) { return 0; }

void LineView::draw() {
  fl_color(color());
  fl_line_style(FL_SOLID, lineWidth_);
  fl_line(x1_, y1_, x2_, y2_);
  fl_line_style(0);
}

}  // namespace ttt
