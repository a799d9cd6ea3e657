#pragma once

#include "win32/WinApi.h"

#include "forms/TickPasses.h"

namespace ttt {

// Drives the timers of the windows on screen with a platform timer at its shortest interval,
// by the rule of TickPasses: while ticks change something, and not at all while a window waits.
class TimerPump {
 public:
  TimerPump();
  ~TimerPump();
  TimerPump(const TimerPump&) = delete;
  TimerPump& operator=(const TimerPump&) = delete;

  void watch(Form& form) { passes_.watch(form); }
  void forget(Form& form) { passes_.forget(form); }
  void wake() { passes_.wake(); }
  bool sleeping() const { return passes_.sleeping(); }

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void requestTimeout();

  HWND window_ = nullptr;  // a message-only window that receives the timer
  TickPasses passes_;
};

}  // namespace ttt
