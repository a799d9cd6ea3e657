#pragma once

class Fl_Widget;

namespace ttt {

class Control;

// A toolkit widget that shows one control of a window. The window hands every change of the
// control to its view, which shows it at once.
class ControlView {
 public:
  virtual ~ControlView() = default;
  virtual void apply(const Control& control) = 0;

 protected:
  // Shows or hides the widget as the control is visible or not.
  static void mirrorVisible(Fl_Widget& widget, const Control& control);
  // Lets the widget take input, or not, as the control is enabled or not.
  static void mirrorEnabled(Fl_Widget& widget, const Control& control);
};

}  // namespace ttt
