#pragma once

#include <FL/Fl_Widget.H>

#include "fltk/ControlView.h"
#include "fltk/Scale.h"
#include "forms/Layout.h"

namespace ttt {

// A straight line between two points, in its colour and its width in pixels, drawn only
// while it is visible. It never takes the mouse: clicks fall through to what lies below.
class LineView : public Fl_Widget, public ControlView {
 public:
  // originX and originY are the top left corner of the line's container in window pixels.
  LineView(const ControlLayout& layout, int originX, int originY, Scale scale);

  void apply(const Control& control) override;
  int handle(int event) override;

 protected:
  void draw() override;

 private:
  LineView(const TwipsLine& line, int originX, int originY, int lineWidth, Scale scale);

  int x1_;
  int y1_;
  int x2_;
  int y2_;
  int lineWidth_;
};

}  // namespace ttt
