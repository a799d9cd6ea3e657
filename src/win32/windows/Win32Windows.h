#pragma once

#include "win32/system/WinApi.h"

#include <memory>
#include <vector>

#include "forms/FormWindow.h"
#include "forms/WindowRegistry.h"

namespace ttt {

class WindowView;

// The forms shown as Win32 windows: the window registry with the platform's calls, and the
// message loop's delivery to the windows.
class Win32Windows : private WindowToolkit, public WindowRegistry {
 public:
  Win32Windows();
  ~Win32Windows();
  Win32Windows(const Win32Windows&) = delete;
  Win32Windows& operator=(const Win32Windows&) = delete;

  // Delivers one message taken from the queue: a keyboard message to the dialog navigation of
  // the window it is for, any other to its window procedure. The windows closed while it ran
  // are freed afterwards, once no handler of theirs is running.
  void dispatch(MSG& message);
  // The window that dialogs opened now belong to: the active one of ours, or the one shown
  // last; null when none is on screen.
  HWND dialogOwner() const;

 private:
  std::unique_ptr<FormWindow> createWindow(Form& form) override;
  void destroyLater(std::unique_ptr<FormWindow> window) override;
  void requestTimeout() override;
  static LRESULT CALLBACK timerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  std::vector<WindowView*> shownViews() const;
  HWND hiddenOwner();
  bool isDialogMessage(MSG& message);

  std::vector<std::unique_ptr<FormWindow>> closed_;
  HWND hiddenOwner_ = nullptr;  // owns the windows that have no taskbar button
  HWND timerWindow_ = nullptr;  // a message-only window that receives the tick timer
};

}  // namespace ttt
