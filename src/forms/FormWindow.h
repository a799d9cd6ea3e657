#pragma once

#include <memory>

namespace ttt {

class Form;

// A form's real window, as a backend builds it from the form's layout and controls. It
// stands for one window on screen, so it is never copied.
class FormWindow {
 public:
  FormWindow() = default;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  virtual ~FormWindow() = default;
  virtual void open() = 0;   // on screen for the first time: centred, focus on the first button
  virtual void raise() = 0;  // on screen again, in front
  // Off screen for good, and no longer showing the controls; the object may still be on the
  // call stack, inside one of its own handlers.
  virtual void close() = 0;
};

// The toolkit calls a backend supplies to the window registry.
class WindowToolkit {
 public:
  virtual std::unique_ptr<FormWindow> createWindow(Form& form) = 0;
  // Frees a closed window once the toolkit has left every handler of it.
  virtual void destroyLater(std::unique_ptr<FormWindow> window) = 0;
  // One call of WindowRegistry::timeout() after the toolkit's shortest timeout.
  virtual void requestTimeout() = 0;

 protected:
  ~WindowToolkit() = default;
};

}  // namespace ttt
