#include "fltk/WindowHints.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <X11/Xatom.h>

namespace ttt {

namespace {

// The fields of the _MOTIF_WM_HINTS property, as Motif's MwmUtil.h defines them.
constexpr long kHintFunctions = 1L << 0;
constexpr long kHintDecorations = 1L << 1;
constexpr long kFunctionMove = 1L << 2;
constexpr long kFunctionClose = 1L << 5;
constexpr long kDecorBorder = 1L << 1;
constexpr long kDecorTitle = 1L << 3;
constexpr long kDecorMenu = 1L << 4;

}  // namespace

void offerOnlyClose(Fl_Window& window) {
  const Window xid = fl_xid(&window);
  if (xid == 0) return;
  // flags, functions, decorations, input mode, status
  long hints[5] = {kHintFunctions | kHintDecorations, kFunctionMove | kFunctionClose,
                   kDecorBorder | kDecorTitle | kDecorMenu, 0, 0};
  const Atom property = XInternAtom(fl_display, "_MOTIF_WM_HINTS", False);
  XChangeProperty(fl_display, xid, property, property, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(hints), 5);
  XFlush(fl_display);
}

// The toolkit maps a window as soon as it has made it. With the server grabbed, the window
// manager reads the new window's properties only once the type has joined them.
void showAsDialog(Fl_Window& dialog) {
  XGrabServer(fl_display);
  dialog.show();
  const Atom type = XInternAtom(fl_display, "_NET_WM_WINDOW_TYPE", False);
  Atom dialogType = XInternAtom(fl_display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
  XChangeProperty(fl_display, fl_xid(&dialog), type, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&dialogType), 1);
  offerOnlyClose(dialog);
  XUngrabServer(fl_display);
  XFlush(fl_display);
}

// The window manager hears the request as a message to the root window; without one, the
// property itself is what a window manager started later reads.
void leaveTaskbar(Fl_Window& shown) {
  const Window window = fl_xid(&shown);
  if (window == 0) return;
  const Atom state = XInternAtom(fl_display, "_NET_WM_STATE", False);
  Atom skipTaskbar = XInternAtom(fl_display, "_NET_WM_STATE_SKIP_TASKBAR", False);
  XChangeProperty(fl_display, window, state, XA_ATOM, 32, PropModeAppend,
                  reinterpret_cast<unsigned char*>(&skipTaskbar), 1);
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = window;
  request.xclient.message_type = state;
  request.xclient.format = 32;
  request.xclient.data.l[0] = 1;  // add the state
  request.xclient.data.l[1] = static_cast<long>(skipTaskbar);
  request.xclient.data.l[3] = 1;  // asked by an application
  XSendEvent(fl_display, RootWindow(fl_display, fl_screen), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &request);
  XFlush(fl_display);
}

void centreOnWorkArea(Fl_Window& window) {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  Fl::screen_work_area(left, top, width, height, 0);
  window.position(left + (width - window.w()) / 2, top + (height - window.h()) / 2);
}

}  // namespace ttt
