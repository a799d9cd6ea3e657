#pragma once

#include "win32/system/WinApi.h"

#include "forms/Control.h"
#include "win32/windows/LinkLabels.h"

namespace ttt {

class Form;

// What the mouse and the keyboard do to one form's window. A click on a label is a press and
// a release over the same label; the cell keys click their cells; the rest of the keyboard
// goes through the platform's dialog navigation, where Escape closes nothing and Enter
// presses the focused button. Clicks reach only what the form lets them reach.
class WindowInput {
 public:
  WindowInput(Form& form, const ControlItems& items, HWND window);

  // Hands a keyboard message to the cell keys, then the dialog navigation (Tab, Enter, Space,
  // Alt+letter); says whether it was taken.
  bool dialogMessage(MSG& message);
  void pressed(HWND container, POINT point);
  void released(HWND container, POINT point);
  // A disabled frame ends any press begun inside it without a click.
  void frameDisabled(HWND frame);
  void command(WPARAM wParam);
  // The command id of the focused button, for Enter; 0 when no button has the focus.
  LRESULT defaultId() const;
  // The focus comes back to where it was when the window is active again.
  void activated(WPARAM wParam);
  void focusFirstButton();
  void clickLabel(const ControlItem& label);

 private:
  void clickCell(int index);
  ControlItem* buttonById(int id) const;

  Form& form_;
  const ControlItems& items_;
  HWND window_;
  HWND lastFocus_ = nullptr;
  const Control* pressed_ = nullptr;  // the label a press began on
};

// The button or frame that has this window; null for any other window.
ControlItem* itemOfWindow(const ControlItems& items, HWND window);

}  // namespace ttt
