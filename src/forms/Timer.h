#pragma once

#include <functional>
#include <string>
#include <utility>

#include "forms/Layout.h"

namespace ttt {

class Form;

// Intervals the windows use: the shortest one runs a timer at every tick, 0 stops it.
inline constexpr int kEveryTick = 1;
inline constexpr int kStopped = 0;

// A window's timer. Its interval is its on/off switch: 0 stopped, anything else running.
// Like a control, it lives as long as its form and is back at its layout's interval on
// every load.
class Timer {
 public:
  Timer(Form& form, const TimerLayout& layout) : form_(form), layout_(layout) { reset(); }
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& name() const { return layout_.name; }
  const TimerLayout& layout() const { return layout_; }
  int interval() const;
  bool running() const { return interval() != kStopped; }
  void setInterval(int interval);
  // The window's handler of a tick of this timer.
  void onTick(std::function<void()> handler) { tickHandler_ = std::move(handler); }

 private:
  friend class Form;
  void reset() { interval_ = layout_.interval; }
  void fire() const {
    if (tickHandler_) tickHandler_();
  }

  Form& form_;
  const TimerLayout& layout_;
  int interval_ = kStopped;
  std::function<void()> tickHandler_;
};

}  // namespace ttt
