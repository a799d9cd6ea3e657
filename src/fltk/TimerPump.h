#pragma once

#include <memory>

namespace ttt {

class Form;

// Drives the timers of the windows on screen. It ticks at the toolkit's shortest timeout
// while ticks still change something; a tick that changes nothing would change nothing if
// repeated, so the pump then sleeps until wake() is called (by any change of the model).
class TimerPump {
 public:
  TimerPump();
  ~TimerPump();
  TimerPump(const TimerPump&) = delete;
  TimerPump& operator=(const TimerPump&) = delete;

  void watch(Form& form);   // the form is on screen
  void forget(Form& form);  // the form has closed
  void wake();              // something changed: tick again soon
  bool sleeping() const;    // no tick is scheduled

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace ttt
