#include "forms/Timer.h"

#include "forms/Form.h"

namespace ttt {

int Timer::interval() const {
  form_.requireLoaded(name());
  return interval_;
}

void Timer::setInterval(int interval) {
  form_.requireLoaded(name());
  if (interval == interval_) return;
  interval_ = interval;
  form_.timerChanged(*this);
}

}  // namespace ttt
