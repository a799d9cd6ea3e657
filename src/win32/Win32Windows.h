#pragma once

#include "win32/WinApi.h"

#include <map>
#include <memory>
#include <vector>

#include "forms/FormObserver.h"

namespace ttt {

class TimerPump;
class WindowView;

// Shows the forms as real windows: builds a form's window when it is shown, mirrors every
// change of its controls at once, and removes the window when the form unloads. It keeps the
// timer pump told which forms are on screen and that something changed.
class Win32Windows : public FormObserver {
 public:
  explicit Win32Windows(TimerPump& pump);
  ~Win32Windows() override;
  Win32Windows(const Win32Windows&) = delete;
  Win32Windows& operator=(const Win32Windows&) = delete;

  void formShown(Form& form) override;
  void formUnloaded(Form& form) override;
  void controlChanged(Form& form, const Control& control) override;
  void timerChanged(Form& form, const Timer& timer) override;
  void stateChanged(Form& form) override;

  // Delivers one message taken from the queue: a keyboard message to the dialog navigation of
  // the window it is for, any other to its window procedure. The windows closed while it ran
  // are freed afterwards, once no handler of theirs is running.
  void dispatch(MSG& message);
  // The window that dialogs opened now belong to: the active one of ours, or the one shown
  // last; null when none is on screen.
  HWND dialogOwner() const;

 private:
  HWND hiddenOwner();
  bool isDialogMessage(MSG& message);

  TimerPump& pump_;
  std::map<const Form*, std::unique_ptr<WindowView>> windows_;
  std::vector<std::unique_ptr<WindowView>> closed_;
  std::vector<HWND> shownOrder_;
  HWND hiddenOwner_ = nullptr;  // owns the windows that have no taskbar button
};

}  // namespace ttt
