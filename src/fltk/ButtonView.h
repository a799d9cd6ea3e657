#pragma once

#include <FL/Fl_Button.H>

#include "fltk/ControlView.h"
#include "screens/Placement.h"

namespace ttt {

// A push button. Its caption underlines the letter after '&'; Alt with that letter presses
// it from anywhere in the window, the letter alone does not. Space and Enter press it while
// it has the focus. A press clicks the control.
class ButtonView : public Fl_Button, public ControlView {
 public:
  // The box is in window pixels.
  ButtonView(Control& control, const PlacedControl& placed, const PixelRect& box);

  void controlChanged(const Control& control) override;
  int handle(int event) override;

 private:
  static void pressed(Fl_Widget* widget, void* data);
  bool isPlainEnter() const;
};

}  // namespace ttt
