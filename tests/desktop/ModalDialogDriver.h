#pragma once

#include <functional>
#include <string>
#include <vector>

class Fl_Box;
class Fl_Button;
class Fl_Input;
class Fl_Window;

namespace ttt::test {

// The parts of one of the toolkit's modal dialogs, found by what they are.
struct DialogParts {
  Fl_Window* window = nullptr;
  Fl_Box* prompt = nullptr;         // the text of the dialog
  Fl_Box* icon = nullptr;           // the framed box that shows "!", "i" or "?"
  Fl_Input* input = nullptr;        // shown by input boxes only
  std::vector<Fl_Button*> buttons;  // the visible buttons

  static DialogParts of(Fl_Window& window);
  Fl_Button* button(const std::string& label) const;
};

// Waits, from inside the toolkit's loop, for a modal dialog to come up, then hands it to an
// action that inspects it and closes it. The test starts the dialog after arming the driver;
// the dialog's own loop runs the driver. If no dialog comes within the bound the driver
// gives up; if the action leaves the dialog open, the driver closes it so that no test hangs.
class ModalDialogDriver {
 public:
  using Action = std::function<void(DialogParts&)>;

  explicit ModalDialogDriver(Action action, double boundSeconds = 10.0);
  ~ModalDialogDriver();
  ModalDialogDriver(const ModalDialogDriver&) = delete;
  ModalDialogDriver& operator=(const ModalDialogDriver&) = delete;

  bool acted() const { return acted_; }
  // The action did not close the dialog; the driver had to.
  bool leftOpen() const { return leftOpen_; }

 private:
  static void poll(void* data);
  void pollOnce();

  Action action_;
  int pollsLeft_;
  bool acted_ = false;
  bool leftOpen_ = false;
};

// Keyboard input delivered to a window as the toolkit delivers a key press.
void pressKey(Fl_Window& window, int key, std::string text);
void typeText(Fl_Window& window, const std::string& text);

// Runs the toolkit's loop until the condition holds or the bound passes; true if it held.
bool runUntil(const std::function<bool()>& condition, double boundSeconds = 10.0);

}  // namespace ttt::test
