#pragma once

#include <string>

namespace ttt {

// Opens the X display named by DISPLAY for the toolkit. Returns "" on success, or a
// sentence saying why the display cannot be used: DISPLAY unset, no server answering there,
// or a server that refused us (with the server's own reason, such as missing authorisation).
std::string openToolkitDisplay();

}  // namespace ttt
