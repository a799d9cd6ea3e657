#include "platform/display/XErrorReports.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <utility>

namespace ttt {

namespace {

constexpr int kMaxReports = 20;

// Xlib names the error and the request from the X server's own tables, or gives the number.
std::string described(Display* display, const char* database, int code) {
  const std::string number = std::to_string(code);
  char text[128] = "";
  if (display == nullptr) return number;
  XGetErrorDatabaseText(display, database, number.c_str(), number.c_str(), text, sizeof text);
  return text;
}

}  // namespace

std::string XErrorReports::lineFor(Display* display, int error, int request, unsigned resource) {
  const std::string where =
      described(display, "XProtoError", error) + " in " + described(display, "XRequest", request);
  if (error == BadWindow || error == BadDrawable) {
    if (std::exchange(reportedGoneWindow_, true)) return "";
    return "ignoring X errors about windows that are gone (" + where + ")";
  }
  if (++reports_ > kMaxReports)
    return reports_ == kMaxReports + 1 ? "more X errors; no longer reporting them" : "";
  char id[16];
  std::snprintf(id, sizeof id, "%x", resource);
  return "X error " + where + " on resource 0x" + id + "; carrying on";
}

}  // namespace ttt
