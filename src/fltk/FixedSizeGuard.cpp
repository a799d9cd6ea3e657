#include "fltk/FixedSizeGuard.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <X11/Xatom.h>

#include <array>
#include <iterator>

namespace ttt {

namespace {

Atom atom(const char* name) { return XInternAtom(fl_display, name, False); }

// A size the window did not ask for is put back. The toolkit never hears of it: it would
// read the window's size from the server, where a window manager may not have put it back
// yet, and lay the window out again at that size.
bool undoResize(const Fl_Window& window, const XConfigureEvent& configure) {
  if (configure.width == window.w() && configure.height == window.h()) return false;
  XResizeWindow(fl_display, configure.window, static_cast<unsigned>(window.w()),
                static_cast<unsigned>(window.h()));
  XFlush(fl_display);
  return true;
}

bool holds(Window window, Atom property, Atom wanted) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(fl_display, window, property, 0, 64, False, XA_ATOM, &type, &format,
                         &count, &remaining, &data) != Success) {
    return false;
  }
  bool found = false;
  const auto* atoms = reinterpret_cast<const Atom*>(data);
  for (unsigned long i = 0; data != nullptr && format == 32 && i < count; ++i)
    found = found || atoms[i] == wanted;
  if (data != nullptr) XFree(data);
  return found;
}

// Asks the window manager to take a state off the window again.
void removeState(Window window, Atom state, Atom first, Atom second) {
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = window;
  request.xclient.message_type = state;
  request.xclient.format = 32;
  request.xclient.data.l[0] = 0;  // remove
  request.xclient.data.l[1] = static_cast<long>(first);
  request.xclient.data.l[2] = static_cast<long>(second);
  request.xclient.data.l[3] = 1;  // asked by an application
  XSendEvent(fl_display, RootWindow(fl_display, fl_screen), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &request);
  XFlush(fl_display);
}

// Returns whether the window was in such a state.
bool refuseLargerStates(Window window) {
  const Atom state = atom("_NET_WM_STATE");
  const Atom fullscreen = atom("_NET_WM_STATE_FULLSCREEN");
  const std::array<Atom, 2> maximised = {atom("_NET_WM_STATE_MAXIMIZED_HORZ"),
                                         atom("_NET_WM_STATE_MAXIMIZED_VERT")};
  const bool full = holds(window, state, fullscreen);
  const bool large = holds(window, state, maximised[0]) || holds(window, state, maximised[1]);
  if (full) removeState(window, state, fullscreen, None);
  if (large) removeState(window, state, maximised[0], maximised[1]);
  return full || large;
}

// A window manager may leave a window at its fullscreen size when it takes the state off,
// and ignores a resize while the state is on: once it is off, the size is asked again.
// Returns whether it had to be.
bool restoreSize(const Fl_Window& window, Window xid) {
  XWindowAttributes actual{};
  if (XGetWindowAttributes(fl_display, xid, &actual) == 0) return false;
  if (actual.width == window.w() && actual.height == window.h()) return false;
  XResizeWindow(fl_display, xid, static_cast<unsigned>(window.w()),
                static_cast<unsigned>(window.h()));
  XFlush(fl_display);
  return true;
}

// Whether the window is still not as it should be, having asked again for what it lacks.
bool enforce(const Fl_Window& window, Window xid) {
  return refuseLargerStates(xid) || restoreSize(window, xid);
}

constexpr int kLooks = 5;
constexpr double kLookInterval = 0.2;  // seconds

}  // namespace

FixedSizeGuard::FixedSizeGuard() { Fl::add_system_handler(&FixedSizeGuard::filter, this); }

FixedSizeGuard::~FixedSizeGuard() {
  Fl::remove_system_handler(&FixedSizeGuard::filter);
  Fl::remove_timeout(&FixedSizeGuard::recheck, this);
}

int FixedSizeGuard::filter(void* event, void* data) {
  auto& guard = *static_cast<FixedSizeGuard*>(data);
  const auto& xevent = *static_cast<const XEvent*>(event);
  if (xevent.type == ConfigureNotify) {
    const Fl_Window* window = fl_find(xevent.xconfigure.window);
    if (window == nullptr || !undoResize(*window, xevent.xconfigure)) return 0;
    guard.checkLater(xevent.xconfigure.window);
    return 1;
  }
  if (xevent.type == PropertyNotify && xevent.xproperty.atom == atom("_NET_WM_STATE")) {
    const Fl_Window* window = fl_find(xevent.xproperty.window);
    if (window != nullptr && enforce(*window, xevent.xproperty.window))
      guard.checkLater(xevent.xproperty.window);
  }
  return 0;
}

void FixedSizeGuard::checkLater(unsigned long window) {
  if (pending_.empty()) Fl::add_timeout(kLookInterval, &FixedSizeGuard::recheck, this);
  pending_[window] = kLooks;
}

void FixedSizeGuard::recheck(void* data) {
  auto& pending = static_cast<FixedSizeGuard*>(data)->pending_;
  for (auto it = pending.begin(); it != pending.end();) {
    const Fl_Window* window = fl_find(it->first);
    const bool again = window != nullptr && enforce(*window, it->first) && --it->second > 0;
    it = again ? std::next(it) : pending.erase(it);
  }
  if (!pending.empty()) Fl::repeat_timeout(kLookInterval, &FixedSizeGuard::recheck, data);
}

}  // namespace ttt
