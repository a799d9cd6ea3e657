#pragma once

#include <functional>
#include <string>
#include <utility>

namespace ttt {

// Intervals the windows use: the shortest one runs a timer at every tick, 0 stops it.
inline constexpr int kEveryTick = 1;
inline constexpr int kStopped = 0;

// A window's timer. Its interval is its on/off switch: 0 stopped, anything else running.
class Timer {
 public:
  using Observer = std::function<void(const Timer&)>;

  Timer(std::string name, int interval) : name_(std::move(name)), interval_(interval) {}
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& name() const { return name_; }
  int interval() const { return interval_; }
  bool running() const { return interval_ != 0; }
  void setInterval(int interval) {
    if (interval == interval_) return;
    interval_ = interval;
    if (observer_) observer_(*this);
  }
  void setObserver(Observer observer) { observer_ = std::move(observer); }

 private:
  std::string name_;
  int interval_;
  Observer observer_;
};

}  // namespace ttt
