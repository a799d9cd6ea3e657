#pragma once

namespace ttt {

class Form;
class Control;
class Timer;

// What a view of the windows hears from the model. The desktop backend shows real windows;
// tests record what would be on screen.
class FormObserver {
 public:
  virtual ~FormObserver() = default;
  // The form is loaded and is to be on screen (again, or raised if it already is).
  virtual void formShown(Form& form) = 0;
  // The form's close went ahead: its window goes off screen and no longer shows its controls.
  virtual void formUnloaded(Form& form) = 0;
  virtual void controlChanged(Form& form, const Control& control) = 0;
  virtual void timerChanged(Form& form, const Timer& timer) = 0;
  // Window-level state that no control shows (the outcome flags) changed.
  virtual void stateChanged(Form& form) = 0;
};

}  // namespace ttt
