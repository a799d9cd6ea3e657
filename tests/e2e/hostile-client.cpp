// hostile-client COMMAND ... does to the program's windows, from a connection of its own,
// what a careless or hostile client may:
//   bad-request WINDOW  asks WINDOW, as a clipboard requestor, to store its clipboard formats
//                       in a property that does not exist, so that the program's reply fails
//                       (BadAtom); waits up to 5 s for the answer, keeping the requestor.
//   cover               maps a window over the whole screen that outlives this client, and
//                       prints its id.
//   fullscreen WINDOW   asks the window manager to make WINDOW fullscreen, as a pager may.
#include <X11/Xlib.h>
#include <poll.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// An atom number far above any the server has handed out.
constexpr Atom kNoSuchAtom = 0x1fffffff;

int badRequest(Display* display, Window window) {
  const Window requestor =
      XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  XEvent request{};
  request.xselectionrequest.type = SelectionRequest;
  request.xselectionrequest.owner = window;
  request.xselectionrequest.requestor = requestor;
  request.xselectionrequest.selection = XInternAtom(display, "CLIPBOARD", False);
  request.xselectionrequest.target = XInternAtom(display, "TARGETS", False);
  request.xselectionrequest.property = kNoSuchAtom;
  request.xselectionrequest.time = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &request);
  XFlush(display);
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  for (int waited = 0; waited < 50; ++waited) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == SelectionNotify) return 0;
    }
    poll(&connection, 1, 100);
  }
  std::fputs("hostile-client: the program did not answer the request\n", stderr);
  return 1;
}

int cover(Display* display) {
  const int screen = DefaultScreen(display);
  const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0,
                                            static_cast<unsigned>(DisplayWidth(display, screen)),
                                            static_cast<unsigned>(DisplayHeight(display, screen)),
                                            0, 0, WhitePixel(display, screen));
  XMapRaised(display, window);
  XSetCloseDownMode(display, RetainPermanent);
  XSync(display, False);
  std::printf("%lu\n", window);
  return 0;
}

int fullscreen(Display* display, Window window) {
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = window;
  request.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
  request.xclient.format = 32;
  request.xclient.data.l[0] = 1;  // add
  request.xclient.data.l[1] =
      static_cast<long>(XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False));
  request.xclient.data.l[3] = 2;  // asked by a pager or the user
  XSendEvent(display, DefaultRootWindow(display), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &request);
  XSync(display, False);
  return 0;
}

// The command's status, or -1 for a command line it does not know.
int run(Display* display, int argc, char** argv) {
  const std::string command = argc >= 2 ? argv[1] : "";
  if (argc == 3 && command == "bad-request")
    return badRequest(display, std::strtoul(argv[2], nullptr, 0));
  if (argc == 3 && command == "fullscreen")
    return fullscreen(display, std::strtoul(argv[2], nullptr, 0));
  if (argc == 2 && command == "cover") return cover(display);
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  Display* display = argc >= 2 ? XOpenDisplay(nullptr) : nullptr;
  const int status = display != nullptr ? run(display, argc, argv) : -1;
  if (display != nullptr) XCloseDisplay(display);
  if (status >= 0) return status;
  std::fputs("usage: hostile-client bad-request WINDOW | cover | fullscreen WINDOW, on a display\n",
             stderr);
  return 1;
}
