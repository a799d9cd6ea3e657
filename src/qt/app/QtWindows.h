#pragma once

#include <QTimer>
#include <memory>

#include "forms/FormWindow.h"
#include "forms/WindowRegistry.h"

namespace ttt {

class Form;

// The forms shown as Qt windows: the window registry with the toolkit's calls. A pass of
// ticks is asked for through a single-shot timer, so nothing wakes the program while no
// pass is asked for.
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
