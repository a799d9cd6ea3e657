#include "fltk/SingleInstance.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

namespace ttt {

namespace {

void askOwnerToRaise(Window owner, Atom selection) {
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = owner;
  request.xclient.message_type = selection;
  request.xclient.format = 32;
  XSendEvent(fl_display, owner, False, NoEventMask, &request);
  XSync(fl_display, False);
}

// Asks a window manager to activate the window; without one, raising it is all there is.
void activate(Fl_Window& window) {
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = fl_xid(&window);
  request.xclient.message_type = XInternAtom(fl_display, "_NET_ACTIVE_WINDOW", False);
  request.xclient.format = 32;
  request.xclient.data.l[0] = 1;  // asked by an application
  request.xclient.data.l[1] = CurrentTime;
  XSendEvent(fl_display, RootWindow(fl_display, fl_screen), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &request);
}

}  // namespace

SingleInstance::SingleInstance(const std::string& applicationId) {
  selection_ = XInternAtom(fl_display, applicationId.c_str(), False);
  // The grab makes looking for an owner and becoming it one step for every other client.
  XGrabServer(fl_display);
  const Window owner = XGetSelectionOwner(fl_display, selection_);
  if (owner == None) {
    window_ =
        XCreateSimpleWindow(fl_display, RootWindow(fl_display, fl_screen), -1, -1, 1, 1, 0, 0, 0);
    XSetSelectionOwner(fl_display, selection_, window_, CurrentTime);
    first_ = true;
  }
  XUngrabServer(fl_display);
  if (first_) {
    Fl::add_system_handler(&SingleInstance::filter, this);
    XFlush(fl_display);
  } else {
    askOwnerToRaise(owner, selection_);
  }
}

SingleInstance::~SingleInstance() {
  if (!first_) return;
  Fl::remove_system_handler(&SingleInstance::filter);
  XDestroyWindow(fl_display, window_);
  XFlush(fl_display);
}

int SingleInstance::filter(void* event, void* data) {
  return static_cast<SingleInstance*>(data)->handle(*static_cast<const XEvent*>(event)) ? 1 : 0;
}

// Takes the events about the selection, which the toolkit would take for the clipboard's.
bool SingleInstance::handle(const XEvent& event) {
  switch (event.type) {
    case ClientMessage:
      if (event.xclient.window != window_ || event.xclient.message_type != selection_) return false;
      raiseCurrentWindow();
      return true;
    case SelectionRequest: {
      if (event.xselectionrequest.selection != selection_) return false;
      // The selection marks the program; it holds no data to convert.
      XEvent refusal{};
      refusal.xselection.type = SelectionNotify;
      refusal.xselection.requestor = event.xselectionrequest.requestor;
      refusal.xselection.selection = selection_;
      refusal.xselection.target = event.xselectionrequest.target;
      refusal.xselection.property = None;
      refusal.xselection.time = event.xselectionrequest.time;
      XSendEvent(fl_display, refusal.xselection.requestor, False, NoEventMask, &refusal);
      return true;
    }
    case SelectionClear:
      return event.xselectionclear.selection == selection_;
    default:
      return false;
  }
}

// The open dialog, if any, else the window on screen.
void SingleInstance::raiseCurrentWindow() {
  Fl_Window* current = Fl::modal() != nullptr ? Fl::modal() : Fl::first_window();
  if (current == nullptr || !current->shown()) return;
  current->show();  // raises it
  activate(*current);
  XFlush(fl_display);
}

}  // namespace ttt
