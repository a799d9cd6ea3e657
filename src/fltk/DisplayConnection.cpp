#include "fltk/DisplayConnection.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace ttt {

namespace {

// Xlib writes the reason a server gives for refusing a connection straight to standard
// error. This runs the connection attempt with standard error caught in a temporary file
// and hands back what was written there, on one line.
Display* openCatchingServerReason(std::string& reason) {
  std::fflush(stderr);
  std::FILE* caught = std::tmpfile();
  const int saved = caught != nullptr ? dup(STDERR_FILENO) : -1;
  if (saved < 0) return XOpenDisplay(nullptr);
  dup2(fileno(caught), STDERR_FILENO);
  Display* display = XOpenDisplay(nullptr);
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
  return display;
}

}  // namespace

std::string openToolkitDisplay() {
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') return "cannot open the display: DISPLAY is not set";
  // As the toolkit does when it opens the display itself: characters and the input method
  // (XMODIFIERS, compose sequences) follow the user's locale.
  std::setlocale(LC_CTYPE, "");
  XSetLocaleModifiers("");
  std::string reason;
  Display* display = openCatchingServerReason(reason);
  if (display != nullptr) {
    fl_open_display(display);
    return "";
  }
  const std::string where = std::string("cannot open the display \"") + name + "\": ";
  // Only a server that answered gives a reason; silence means nothing answered at all.
  if (reason.empty()) return where + "is an X server running there?";
  return where + "the X server refused the connection (" + reason +
         "); is this user allowed to use it (XAUTHORITY, xhost)?";
}

}  // namespace ttt
