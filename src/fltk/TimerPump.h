#pragma once

#include "forms/TickPasses.h"

namespace ttt {

class Form;

// Drives the timers of the windows on screen with the toolkit's shortest timeout: it ticks
// while ticks still change something, then sleeps until wake() is called (by any change of
// the model).
class TimerPump {
 public:
  TimerPump();
  ~TimerPump();
  TimerPump(const TimerPump&) = delete;
  TimerPump& operator=(const TimerPump&) = delete;

  void watch(Form& form) { passes_.watch(form); }       // the form is on screen
  void forget(Form& form) { passes_.forget(form); }     // the form has closed
  void wake() { passes_.wake(); }                       // something changed: tick again soon
  bool sleeping() const { return passes_.sleeping(); }  // no tick is scheduled

 private:
  static void onTimeout(void* data);

  TickPasses passes_;
};

}  // namespace ttt
