#pragma once

#include <memory>
#include <string>

namespace ttt {

class AccessibleApplication;
class GlibLoop;

// Shows the program to screen readers through AT-SPI: our own ATK objects for every window,
// button, label, the board and its cells, and the dialogs, handed to the accessibility bus
// by the ATK bridge, with GLib's main context run inside the toolkit's loop. Before the
// toolkit sleeps, the objects are brought up to date, so that screen readers hear of new
// windows, names, states and the focus. When no accessibility bus is running, start() does
// nothing at all and the program costs what it did without it.
class Accessibility {
 public:
  explicit Accessibility(std::string applicationName);
  ~Accessibility();
  Accessibility(const Accessibility&) = delete;
  Accessibility& operator=(const Accessibility&) = delete;

  // Call once the display is open. Returns whether the program is now on the bus.
  bool start();
  bool started() const { return started_; }

 private:
  static void beforeWait(void* data);

  std::string applicationName_;
  std::unique_ptr<AccessibleApplication> root_;
  std::unique_ptr<GlibLoop> loop_;
  bool started_ = false;
};

}  // namespace ttt
