#pragma once

#include <string>

namespace ttt {

// Whether Qt will find a display, and if not, why: "" when it will. An X display is opened once
// here, as only Xlib hears why a server refuses us; a Wayland compositor's socket is looked for.
std::string displayProblem();

}  // namespace ttt
