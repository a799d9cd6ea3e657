#pragma once

#include <string>

using Display = struct _XDisplay;

namespace ttt {

// What to say of X protocol errors, none of which ends the program: errors about windows that
// another client destroyed once, any other up to a limit, since more would bury the first.
class XErrorReports {
 public:
  // The line to say of this error, "" when nothing more is to be said; the display names it.
  std::string lineFor(Display* display, int error, int request, unsigned resource);

 private:
  bool reportedGoneWindow_ = false;
  int reports_ = 0;
};

}  // namespace ttt
