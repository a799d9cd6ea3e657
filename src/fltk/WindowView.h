#pragma once

#include <FL/Fl_Double_Window.H>

#include <cstddef>
#include <memory>
#include <vector>

#include "fltk/Scale.h"
#include "forms/FormWindow.h"
#include "screens/Placement.h"

namespace ttt {

class ButtonView;
class Control;
class ControlView;
class Form;

// The real window of a form: its client size, caption, background, icon and fixed border,
// and a view for every control, placed and stacked as the layout is placed at the scale. The
// close box asks the form to close; Escape closes nothing. Tab moves the focus among the
// buttons in tab order; a cell key clicks its cell.
class WindowView : public Fl_Double_Window, public FormWindow {
 public:
  // Builds the window from the form's layout and the current state of its controls, placed
  // at the scale given.
  WindowView(Form& form, Scale scale);
  ~WindowView() override;

  void open() override;
  void raise() override { show(); }
  void close() override;
  Form& form() const { return form_; }
  // The widget that shows a control of the form; null when there is none.
  Fl_Widget* widget(const Control& control) const;

  int handle(int event) override;

 private:
  static void closeRequested(Fl_Widget* widget, void* data);
  void buildControls();
  Fl_Widget* createView(const PlacedControl& placed);
  std::size_t indexOf(const Control& control) const;
  void setIcons();
  bool moveFocus(int step);
  void focusFirstButton();

  Form& form_;
  Scale scale_;
  PlacedForm placed_;
  std::vector<Fl_Widget*> widgets_;  // the form's controls' views, in the layout's order
  std::vector<ControlView*> views_;  // the same views as they show their controls
  std::vector<ButtonView*> tabOrder_;
};

}  // namespace ttt
