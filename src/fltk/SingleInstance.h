#pragma once

#include <X11/Xlib.h>

#include <string>

namespace ttt {

// One program per display. The first program to start on a display owns an X selection
// named after the application, as single-instance desktop programs do; a later start finds
// it owned, asks its owner to bring its current window (or the dialog open over it) to the
// front, and leaves. The owner answers for as long as this object lives.
class SingleInstance {
 public:
  // Claims the display, atomically: of two programs started at once, one is first.
  explicit SingleInstance(const std::string& applicationId);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // Whether this program is the one on the display. When it is not, the one that is has
  // already been asked to come to the front.
  bool first() const { return first_; }

 private:
  static int filter(void* event, void* data);
  bool handle(const XEvent& event);
  static void raiseCurrentWindow();

  Atom selection_ = None;
  Window window_ = None;
  bool first_ = false;
};

}  // namespace ttt
