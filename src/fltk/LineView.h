#pragma once

#include <FL/Fl_Widget.H>

#include "fltk/ControlView.h"
#include "screens/Placement.h"

namespace ttt {

// A straight line between two points, in its colour and its width in pixels, drawn only
// while it is visible. It never takes the mouse: clicks fall through to what lies below.
class LineView : public Fl_Widget, public ControlView {
 public:
  // The end points are in window pixels.
  LineView(Control& control, const PixelLine& line);

  void controlChanged(const Control& control) override;
  int handle(int event) override;

 protected:
  void draw() override;

 private:
  PixelLine line_;
};

}  // namespace ttt
