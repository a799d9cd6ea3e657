#pragma once

#include <FL/Fl_Group.H>

#include "fltk/ControlView.h"
#include "screens/Placement.h"

namespace ttt {

// A frame: an etched border around its whole area, no caption, holding other views. While
// its control is disabled it keeps the mouse from its children and looks just the same.
class FrameView : public Fl_Group, public ControlView {
 public:
  // The box is in window pixels.
  FrameView(Control& control, const PixelRect& box);

  void controlChanged(const Control& control) override;
  int handle(int event) override;

 private:
  void setBlocked(bool blocked);

  bool blocked_ = false;
};

}  // namespace ttt
