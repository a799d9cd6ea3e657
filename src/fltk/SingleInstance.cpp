#include "platform/SingleInstance.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

// On X11 the claim is a selection named after the application, owned by a window of ours,
// as single-instance desktop programs do; a later start sends the owner a message.
namespace ttt {

struct SingleInstance::Claim {
  Atom selection = None;
  Window owner = None;
};

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

// The open dialog, if any, else the window on screen.
void raiseCurrentWindow() {
  Fl_Window* current = Fl::modal() != nullptr ? Fl::modal() : Fl::first_window();
  if (current == nullptr || !current->shown()) return;
  current->show();  // raises it
  activate(*current);
  XFlush(fl_display);
}

void refuseConversion(const XSelectionRequestEvent& request) {
  XEvent refusal{};
  refusal.xselection.type = SelectionNotify;
  refusal.xselection.requestor = request.requestor;
  refusal.xselection.selection = request.selection;
  refusal.xselection.target = request.target;
  refusal.xselection.property = None;
  refusal.xselection.time = request.time;
  XSendEvent(fl_display, request.requestor, False, NoEventMask, &refusal);
}

// Takes the events about the selection, which the toolkit would take for the clipboard's.
int filter(void* event, void* data) {
  const auto& xevent = *static_cast<const XEvent*>(event);
  const auto& claim = *static_cast<const SingleInstance::Claim*>(data);
  switch (xevent.type) {
    case ClientMessage:
      if (xevent.xclient.window != claim.owner || xevent.xclient.message_type != claim.selection)
        return 0;
      raiseCurrentWindow();
      return 1;
    case SelectionRequest:
      if (xevent.xselectionrequest.selection != claim.selection) return 0;
      // The selection marks the program; it holds no data to convert.
      refuseConversion(xevent.xselectionrequest);
      return 1;
    case SelectionClear:
      return xevent.xselectionclear.selection == claim.selection ? 1 : 0;
    default:
      return 0;
  }
}

}  // namespace

SingleInstance::SingleInstance(const std::string& applicationId) {
  const Atom selection = XInternAtom(fl_display, applicationId.c_str(), False);
  // The grab makes looking for an owner and becoming it one step for every other client.
  XGrabServer(fl_display);
  const Window owner = XGetSelectionOwner(fl_display, selection);
  if (owner == None) {
    claim_ = std::make_unique<Claim>();
    claim_->selection = selection;
    claim_->owner =
        XCreateSimpleWindow(fl_display, RootWindow(fl_display, fl_screen), -1, -1, 1, 1, 0, 0, 0);
    XSetSelectionOwner(fl_display, selection, claim_->owner, CurrentTime);
  }
  XUngrabServer(fl_display);
  if (claim_) {
    Fl::add_system_handler(&filter, claim_.get());
    XFlush(fl_display);
  } else {
    askOwnerToRaise(owner, selection);
  }
}

SingleInstance::~SingleInstance() {
  if (!claim_) return;
  Fl::remove_system_handler(&filter);
  XDestroyWindow(fl_display, claim_->owner);
  XFlush(fl_display);
}

}  // namespace ttt
