#pragma once

#include <string>

namespace ttt {

// The desktop the program shows on, fit for a file name: "x11-" and the X display (":1.0" is
// the same desktop as ":1"), or "wayland-" and the compositor's socket; a '/' becomes '_'.
std::string desktopName(bool wayland);

}  // namespace ttt
