#pragma once

#include "forms/Control.h"

class Fl_Widget;

namespace ttt {

// A toolkit widget that shows one control of a window. It holds the control it shows,
// hears of every change of it at once, and reports input to it.
class ControlView : public ControlObserver {
 public:
  explicit ControlView(Control& control) : control_(control) { control_.setObserver(this); }
  virtual ~ControlView() = default;
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  Control& control() const { return control_; }
  // The window has closed: the control is no longer shown here.
  void detach() { control_.removeObserver(this); }

 protected:
  // Shows or hides the widget as the control is visible or not.
  static void mirrorVisible(Fl_Widget& widget, const Control& control);
  // Lets the widget take input, or not, as the control is enabled or not.
  static void mirrorEnabled(Fl_Widget& widget, const Control& control);

 private:
  Control& control_;
};

}  // namespace ttt
