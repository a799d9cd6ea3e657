#pragma once

#include <FL/Fl_Button.H>

#include <string>

#include "fltk/ControlView.h"
#include "fltk/Scale.h"
#include "forms/Layout.h"

namespace ttt {

class Form;

// A push button. Its caption underlines the letter after '&'; Alt with that letter presses
// it from anywhere in the window, the letter alone does not. Space and Enter press it while
// it has the focus. A press clicks the control.
class ButtonView : public Fl_Button, public ControlView {
 public:
  // The rectangle is in window pixels; the caption's size and the bevel follow the scale.
  ButtonView(Form& form, const ControlLayout& layout, int x, int y, int width, int height,
             Scale scale);

  void apply(const Control& control) override;
  int handle(int event) override;
  int tabIndex() const { return tabIndex_; }

 protected:
  void draw() override;

 private:
  static void pressed(Fl_Widget* widget, void* data);
  bool isPlainEnter() const;

  Form& form_;
  std::string fullName_;
  int tabIndex_;
  int ringWidth_;  // the width of each ring of the border, one pixel at 96 dots per inch
};

}  // namespace ttt
