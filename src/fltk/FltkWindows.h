#pragma once

#include <map>
#include <memory>

#include "fltk/Scale.h"
#include "forms/FormObserver.h"

namespace ttt {

class TimerPump;
class WindowView;

// Shows the forms as real windows: builds a form's window when it is shown, mirrors every
// change of its controls at once, and removes the window when the form unloads. It keeps
// the timer pump told which forms are on screen and that something changed.
class FltkWindows : public FormObserver {
 public:
  // The windows are drawn at the scale given.
  FltkWindows(TimerPump& pump, Scale scale);
  ~FltkWindows() override;
  FltkWindows(const FltkWindows&) = delete;
  FltkWindows& operator=(const FltkWindows&) = delete;

  void formShown(Form& form) override;
  void formUnloaded(Form& form) override;
  void controlChanged(Form& form, const Control& control) override;
  void timerChanged(Form& form, const Timer& timer) override;
  void stateChanged(Form& form) override;

  // The window of a form on screen, or null.
  WindowView* window(const Form& form) const;

 private:
  TimerPump& pump_;
  Scale scale_;
  std::map<const Form*, std::unique_ptr<WindowView>> windows_;
};

}  // namespace ttt
