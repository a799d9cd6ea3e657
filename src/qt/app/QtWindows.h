#pragma once

#include <QTimer>
#include <memory>

#include "forms/FormWindow.h"
#include "forms/WindowRegistry.h"

namespace ttt {

class Form;

// The window registry on Qt. A single-shot timer runs each pass of ticks asked for, so nothing
// wakes the program while none is.
class QtWindows : private WindowToolkit, public WindowRegistry {
 public:
  QtWindows();

 private:
  std::unique_ptr<FormWindow> createWindow(Form& form) override;
  void destroyLater(std::unique_ptr<FormWindow> window) override;
  void requestTimeout() override;

  QTimer pass_;
};

}  // namespace ttt
