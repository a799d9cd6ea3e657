#include "platform/display/DisplayCheck.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace ttt {

namespace {

// The variable's value; the fallback when it is unset or empty.
std::string variable(const char* name, const char* fallback = "") {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

// Qt runs as a Wayland client when asked to, or in a Wayland session with a compositor.
bool waylandChosen() {
  const std::string platform = variable("QT_QPA_PLATFORM");
  if (!platform.empty()) return platform.starts_with("wayland");
  return !variable("WAYLAND_DISPLAY").empty() && variable("XDG_SESSION_TYPE") == "wayland";
}

// Xlib writes the reason a server gives for refusing a connection straight to standard error:
// the attempt runs with standard error caught in a temporary file, read back on one line.
bool canOpen(std::string& reason) {
  std::fflush(stderr);
  std::FILE* caught = std::tmpfile();
  const int saved = caught != nullptr ? dup(STDERR_FILENO) : -1;
  if (saved >= 0) dup2(fileno(caught), STDERR_FILENO);
  Display* display = XOpenDisplay(nullptr);
  if (saved >= 0) {
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::rewind(caught);
    for (int c = 0; (c = std::fgetc(caught)) != EOF && reason.size() < 200;) {
      if (c >= ' ' && c != 0x7f)
        reason += static_cast<char>(c);
      else if (!reason.empty() && reason.back() != ' ')
        reason += ' ';
    }
    while (!reason.empty() && reason.back() == ' ') reason.pop_back();
    std::fclose(caught);
  }
  if (display != nullptr) XCloseDisplay(display);
  return display != nullptr;
}

}  // namespace

std::string displayProblem() {
  if (waylandChosen()) {
    const std::string name = variable("WAYLAND_DISPLAY", "wayland-0");
    const std::string socket =
        name.starts_with('/') ? name : variable("XDG_RUNTIME_DIR") + "/" + name;
    if (access(socket.c_str(), F_OK) == 0) return "";
    return "cannot open the Wayland display \"" + name + "\": is a compositor running there?";
  }
  if (variable("DISPLAY").empty()) return "cannot open the display: DISPLAY is not set";
  std::string reason;
  if (canOpen(reason)) return "";
  const std::string where = "cannot open the display \"" + variable("DISPLAY") + "\": ";
  // Only a server that answered gives a reason; silence means nothing answered at all.
  if (reason.empty()) return where + "is an X server running there?";
  return where + "the X server refused the connection (" + reason +
         "); is this user allowed to use it (XAUTHORITY, xhost)?";
}

}  // namespace ttt
