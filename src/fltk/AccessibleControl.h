#pragma once

#include <string>

#include "fltk/AccessibleWidget.h"
#include "forms/Layout.h"

namespace ttt {

class Control;
class Form;

// A control of a form window as a screen reader sees it: a push button with its access key,
// a label, a link, a cell of the board (its place and mark), or the board's frame with the
// cells inside it. Names and states come from the form's controls; a button, a link and a
// cell can be pressed, exactly as a click on them would.
class AccessibleControl : public AccessibleWidget {
 public:
  AccessibleControl(std::shared_ptr<Fl_Widget_Tracker> window, Fl_Widget& widget, Form& form,
                    Control& control);

  const ControlLayout& layout() const { return layout_; }
  // Adds a control that lies inside this frame.
  void add(std::unique_ptr<AccessibleControl> inside) { adopt(std::move(inside), false); }

  const char* actionName() const override;
  std::string keyBinding() const override;
  bool act() override;

 protected:
  std::string currentName() const override;
  bool enabled() const override;

 private:
  Form& form_;
  Control& control_;
  const ControlLayout& layout_;
};

}  // namespace ttt
