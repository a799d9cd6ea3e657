#include "fltk/DisplayErrors.h"

#include <FL/x.H>
#include <X11/extensions/Xdbe.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace ttt {

namespace {

// More reports than this would only bury the first ones.
constexpr int kMaxReports = 20;

const char* programName_ = "";
// The double-buffer extension's error for a back buffer, which goes with its window.
int badBackBuffer_ = -1;
bool reportedGoneWindow_ = false;
int reports_ = 0;

// "X_ChangeProperty", or "request 145.3" (an extension's) when Xlib has no name for it.
std::string requestName(Display* display, const XErrorEvent& error) {
  const std::string number = std::to_string(error.request_code);
  const std::string fallback =
      "request " + number + "." + std::to_string(static_cast<int>(error.minor_code));
  char name[128] = "";
  XGetErrorDatabaseText(display, "XRequest", number.c_str(), fallback.c_str(), name, sizeof name);
  return name;
}

bool aboutWindowGone(const XErrorEvent& error) {
  return error.error_code == BadWindow || error.error_code == BadDrawable ||
         error.error_code == badBackBuffer_;
}

std::string errorText(Display* display, const XErrorEvent& error) {
  char text[128] = "";
  XGetErrorText(display, error.error_code, text, sizeof text);
  return text;
}

int onProtocolError(Display* display, XErrorEvent* error) {
  if (aboutWindowGone(*error)) {
    if (reportedGoneWindow_) return 0;
    reportedGoneWindow_ = true;
    std::fprintf(stderr, "%s: ignoring X errors about windows that are gone (%s in %s)\n",
                 programName_, errorText(display, *error).c_str(),
                 requestName(display, *error).c_str());
    return 0;
  }
  if (reports_ > kMaxReports) return 0;
  if (++reports_ > kMaxReports) {
    std::fprintf(stderr, "%s: more X errors; no longer reporting them\n", programName_);
    return 0;
  }
  std::fprintf(stderr, "%s: X error %s in %s on resource 0x%lx; carrying on\n", programName_,
               errorText(display, *error).c_str(), requestName(display, *error).c_str(),
               error->resourceid);
  return 0;
}

// Xlib allows no return from here. Nothing more may be said to the server, so the process
// ends at once, without running the toolkit's clean-up, which would.
int onConnectionLost(Display* display) {
  std::fprintf(stderr, "%s: lost the connection to the X display \"%s\"\n", programName_,
               DisplayString(display));
  std::fflush(stderr);
  std::_Exit(EXIT_FAILURE);
}

}  // namespace

void handleDisplayErrors(const char* programName) {
  programName_ = programName;
  // Asked now: a handler may not talk to the server.
  int opcode = 0;
  int firstEvent = 0;
  int firstError = 0;
  if (XQueryExtension(fl_display, "DOUBLE-BUFFER", &opcode, &firstEvent, &firstError)) {
    badBackBuffer_ = firstError + XdbeBadBuffer;
  }
  XSetErrorHandler(&onProtocolError);
  XSetIOErrorHandler(&onConnectionLost);
}

}  // namespace ttt
