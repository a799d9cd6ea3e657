#pragma once

#include <string>

namespace ttt {

// Whether Qt will find a display, and if not, why: "" when it will. An X display is opened and
// closed once here, since only Xlib hears the reason a server gives for refusing us; a Wayland
// session is left to Qt.
std::string displayProblem();

}  // namespace ttt
