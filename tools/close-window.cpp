// close-window WINDOW asks a window to close as its title bar's close box does: it sends the
// window the WM_DELETE_WINDOW message a window manager sends, since the tests run without one.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  Display* display = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
  if (display == nullptr) {
    std::fputs("usage: close-window WINDOW, with WINDOW on the display\n", stderr);
    return 1;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = window;
  request.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  request.xclient.format = 32;
  request.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  request.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &request);
  XCloseDisplay(display);
  return 0;
}
