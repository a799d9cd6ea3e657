#include "platform/display/DesktopName.h"

#include <algorithm>
#include <cstdlib>

namespace ttt {

std::string desktopName(bool wayland) {
  const char* value = std::getenv(wayland ? "WAYLAND_DISPLAY" : "DISPLAY");
  std::string display = value != nullptr ? value : "";
  const auto screen = display.rfind('.');
  const auto colon = display.rfind(':');
  if (!wayland && screen != std::string::npos && (colon == std::string::npos || colon < screen))
    display.erase(screen);
  std::ranges::replace(display, '/', '_');
  return (wayland ? "wayland-" : "x11-") + display;
}

}  // namespace ttt
