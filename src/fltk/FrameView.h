#pragma once

#include <FL/Fl_Group.H>

#include "fltk/ControlView.h"
#include "forms/Layout.h"

namespace ttt {

// A frame: an etched border around its whole area, no caption, holding other views. While
// its control is disabled it keeps the mouse from its children and looks just the same.
class FrameView : public Fl_Group, public ControlView {
 public:
  // The rectangle is in window pixels; the background is the colour behind the children.
  // Each of the border's two etched lines is lineWidth pixels wide.
  FrameView(int x, int y, int width, int height, Fl_Color background, int lineWidth);

  void apply(const Control& control) override;
  int handle(int event) override;

 protected:
  void draw() override;

 private:
  void setBlocked(bool blocked);

  bool blocked_ = false;
  int lineWidth_;
};

}  // namespace ttt
