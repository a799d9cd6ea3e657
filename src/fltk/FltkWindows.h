#pragma once

#include <memory>

#include "forms/FormWindow.h"
#include "forms/WindowRegistry.h"

namespace ttt {

class Form;
class WindowView;

// The forms shown as FLTK windows: the window registry with the toolkit's calls.
class FltkWindows : private WindowToolkit, public WindowRegistry {
 public:
  FltkWindows() : WindowRegistry(static_cast<WindowToolkit&>(*this)) {}
  ~FltkWindows();
  FltkWindows(const FltkWindows&) = delete;
  FltkWindows& operator=(const FltkWindows&) = delete;

  // The window of a form on screen, or null.
  WindowView* view(const Form& form) const;

 private:
  std::unique_ptr<FormWindow> createWindow(Form& form) override;
  void destroyLater(std::unique_ptr<FormWindow> window) override;
  void requestTimeout() override;
  static void onTimeout(void* data);
};

}  // namespace ttt
