#include "fltk/LineView.h"

#include <FL/Fl_Group.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdlib>

#include "fltk/Colours.h"

namespace ttt {

namespace {

// The widget's box covers the line and its width, so that a repaint of that area draws it.
PixelRect boxAround(const PixelLine& line) {
  return {std::min(line.x1, line.x2) - line.width, std::min(line.y1, line.y2) - line.width,
          std::abs(line.x2 - line.x1) + 2 * line.width + 1,
          std::abs(line.y2 - line.y1) + 2 * line.width + 1};
}

}  // namespace

LineView::LineView(Control& control, const PixelLine& line)
    : Fl_Widget(boxAround(line).x, boxAround(line).y, boxAround(line).width,
                boxAround(line).height),
      ControlView(control),
      line_(line) {
  box(FL_NO_BOX);
  color(toolkitColour(control.layout().foreColour));
  controlChanged(control);
}

void LineView::controlChanged(const Control& control) {
  mirrorVisible(*this, control);
  // A hidden line's pixels go only when its container repaints.
  if (parent() != nullptr) parent()->redraw();
}

int LineView::handle(int /*event*/) { return 0; }

void LineView::draw() {
  fl_color(color());
  fl_line_style(FL_SOLID, line_.width);
  fl_line(line_.x1, line_.y1, line_.x2, line_.y2);
  fl_line_style(0);
}

}  // namespace ttt
