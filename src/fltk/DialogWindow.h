#pragma once

#include <FL/Fl_Double_Window.H>

#include <string>

#include "fltk/Scale.h"

class Fl_Box;
class Fl_Button;

namespace ttt {

class NameInput;

// A modal dialog in the manner of the toolkit's own message and input boxes: an icon, the
// prompt shown literally, a name field for an input box, and "OK" (with "Cancel" for an
// input box) at the bottom right. Unlike the toolkit's, it wraps the prompt to fit the
// screen, so that its buttons are always on it, and it opens centred on the screen, not
// under the mouse pointer. Its border offers only a close box.
class DialogWindow : public Fl_Double_Window {
 public:
  enum class Kind { Alert, Message, Input };  // icons "!", "i" and "?"

  // Its margins, text and buttons are the toolkit's own dialog's at 96 dots per inch, made as
  // much larger as the scale asks.
  DialogWindow(Kind kind, const std::string& title, const std::string& prompt, Scale scale);
  ~DialogWindow() override;
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // Shows the dialog and returns once it is closed: true for "OK" (or Enter), false for
  // "Cancel", Escape or the close box.
  bool run();
  // The text in the name field; "" for a box without one.
  std::string answer() const;

  Kind kind() const { return kind_; }
  // The prompt as given, before wrapping, and the box that shows it.
  const std::string& prompt() const { return promptText_; }
  const Fl_Widget* promptBox() const;

 private:
  static void okPressed(Fl_Widget* widget, void* data);
  static void cancelled(Fl_Widget* widget, void* data);
  void build(Kind kind, const std::string& prompt);
  int addPrompt(const std::string& prompt);
  int addButtons(int top, bool withCancel);

  // A size in pixels at 96 dots per inch, at the dialog's scale.
  int px(int pixelsAt96) const { return scale_.pixels(pixelsAt96); }

  Scale scale_;
  Kind kind_;
  std::string promptText_;
  Fl_Box* prompt_ = nullptr;
  NameInput* input_ = nullptr;
  Fl_Button* ok_ = nullptr;
  bool accepted_ = false;
};

}  // namespace ttt
