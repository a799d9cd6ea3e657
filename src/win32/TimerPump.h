#pragma once

#include "win32/WinApi.h"

#include <vector>

namespace ttt {

class Form;

// Drives the timers of the windows on screen. It ticks at the platform's shortest timer
// interval while ticks still change something; a tick that changes nothing would change
// nothing if repeated, so the pump then stops its timer until wake() is called (by any change
// of the model), and the program sleeps in its message loop.
class TimerPump {
 public:
  TimerPump();
  ~TimerPump();
  TimerPump(const TimerPump&) = delete;
  TimerPump& operator=(const TimerPump&) = delete;

  void watch(Form& form);   // the form is on screen
  void forget(Form& form);  // the form has closed
  void wake();              // something changed: tick again soon
  bool sleeping() const { return !scheduled_; }

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void schedule();
  void timeout();
  bool runPass();
  bool isWatched(const Form* form) const;

  HWND window_ = nullptr;  // a message-only window that receives the timer
  std::vector<Form*> watched_;
  bool scheduled_ = false;
  bool inPass_ = false;
  // A wake() that came while a pass was running: schedule one more pass when it ends.
  bool wokenDuringPass_ = false;
};

}  // namespace ttt
