#include "fltk/LineView.h"

#include <FL/Fl_Group.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdlib>

#include "fltk/Colours.h"
#include "forms/Control.h"

namespace ttt {

namespace {

// The widget's box covers the line and its width, so that a repaint of that area draws it.
int boxStart(int from, int to, int origin, int lineWidth, Scale scale) {
  return origin + std::min(scale.twips(from), scale.twips(to)) - lineWidth;
}

int boxExtent(int from, int to, int lineWidth, Scale scale) {
  return std::abs(scale.twips(to) - scale.twips(from)) + 2 * lineWidth + 1;
}

}  // namespace

LineView::LineView(const ControlLayout& layout, int originX, int originY, Scale scale)
    : LineView(layout.line, originX, originY, scale.lineWidth(layout.line.widthPixels), scale) {
  color(toolkitColour(layout.foreColour));
  if (!layout.visible) hide();
}

LineView::LineView(const TwipsLine& line, int originX, int originY, int lineWidth, Scale scale)
    : Fl_Widget(boxStart(line.x1, line.x2, originX, lineWidth, scale),
                boxStart(line.y1, line.y2, originY, lineWidth, scale),
                boxExtent(line.x1, line.x2, lineWidth, scale),
                boxExtent(line.y1, line.y2, lineWidth, scale)),
      x1_(originX + scale.twips(line.x1)),
      y1_(originY + scale.twips(line.y1)),
      x2_(originX + scale.twips(line.x2)),
      y2_(originY + scale.twips(line.y2)),
      lineWidth_(lineWidth) {
  box(FL_NO_BOX);
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
