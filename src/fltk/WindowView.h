#pragma once

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Layout.h"

namespace ttt {

class ButtonView;
class Control;
class ControlView;
class Form;

// The real window of a form: its client size, caption, background, icon and fixed border,
// and a view for every control, stacked as the layout lists them. The close box asks the
// form to close; Escape closes nothing. Tab moves the focus among the buttons in tab order;
// a cell key clicks its cell.
class WindowView : public Fl_Double_Window {
 public:
  // Builds the window from the form's layout and the current state of its controls.
  explicit WindowView(Form& form);
  ~WindowView() override;
  WindowView(const WindowView&) = delete;
  WindowView& operator=(const WindowView&) = delete;

  // Puts the window on screen for the first time: centred, focus on the first button.
  void open();
  // Shows a change of one of the form's controls.
  void apply(const Control& control);
  Form& form() const { return form_; }
  // The widget that shows a control, by its full name ("S(4)"); null when there is none.
  Fl_Widget* widget(std::string_view fullName) const;

  int handle(int event) override;

 private:
  struct Entry {
    Fl_Widget* widget;
    ControlView* view;
  };

  static void closeRequested(Fl_Widget* widget, void* data);
  void buildControls();
  void place(const Control& control, std::map<std::string, std::unique_ptr<Fl_Group>>& frames);
  Fl_Widget* createView(const ControlLayout& layout, Fl_Group& container);
  Fl_Group& containerOf(const ControlLayout& layout);
  void setIcons();
  bool moveFocus(int step);
  void focusFirstButton();

  Form& form_;
  std::map<std::string, Entry, std::less<>> entries_;
  std::vector<ButtonView*> tabOrder_;
  std::vector<std::unique_ptr<Fl_RGB_Image>> icons_;
  std::unique_ptr<Fl_RGB_Image> handCursor_;
};

}  // namespace ttt
