#include "fltk/IncrementalPaste.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <poll.h>

#include <algorithm>
#include <chrono>

namespace ttt {

namespace {

using Clock = std::chrono::steady_clock;

// How long the owner may take over one piece, and over the whole transfer.
constexpr auto kPieceTimeout = std::chrono::seconds(2);
constexpr auto kTransferTimeout = std::chrono::seconds(10);

Atom atom(const char* name) { return XInternAtom(fl_display, name, False); }

// The type of the property a selection was converted into, without reading it.
Atom propertyType(const XSelectionEvent& selection) {
  Atom type = None;
  int format = 0;
  unsigned long items = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(fl_display, selection.requestor, selection.property, 0, 0, False,
                         AnyPropertyType, &type, &format, &items, &remaining, &data) != Success) {
    return None;
  }
  if (data != nullptr) XFree(data);
  return type;
}

// A new value of the transfer's property: the owner's next piece.
Bool isNextPiece(Display* /*display*/, XEvent* event, XPointer argument) {
  const auto* selection = reinterpret_cast<const XSelectionEvent*>(argument);
  return event->type == PropertyNotify && event->xproperty.window == selection->requestor &&
                 event->xproperty.atom == selection->property &&
                 event->xproperty.state == PropertyNewValue
             ? True
             : False;
}

// Reads and deletes one piece, which asks the owner for the next. Appends it to `text`
// while there is room; returns its size in bytes, or -1 when it cannot be read.
long takePiece(const XSelectionEvent& selection, std::string& text) {
  Atom type = None;
  int format = 0;
  unsigned long items = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(fl_display, selection.requestor, selection.property, 0, 0x7fffffff / 4,
                         True, AnyPropertyType, &type, &format, &items, &remaining,
                         &data) != Success) {
    return -1;
  }
  const std::size_t bytes = format == 0 ? 0 : items * static_cast<unsigned long>(format / 8);
  if (data != nullptr && format == 8 && text.size() < IncrementalPaste::kMaxKeptBytes) {
    text.append(reinterpret_cast<const char*>(data),
                std::min(bytes, IncrementalPaste::kMaxKeptBytes - text.size()));
  }
  if (data != nullptr) XFree(data);
  return static_cast<long>(bytes);
}

// Waits for the display connection to have input, at most until `deadline`.
void waitForInput(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  if (left.count() <= 0) return;
  pollfd connection{ConnectionNumber(fl_display), POLLIN, 0};
  poll(&connection, 1, static_cast<int>(left.count()));
}

// Runs the owner's side of the transfer to its end. Returns whether it ended with the
// empty piece that marks the end, rather than stalling or failing.
bool receivePieces(const XSelectionEvent& selection, std::string& text) {
  XWindowAttributes attributes{};
  XGetWindowAttributes(fl_display, selection.requestor, &attributes);
  XSelectInput(fl_display, selection.requestor, attributes.your_event_mask | PropertyChangeMask);
  // Deleting the property that announced the transfer asks for the first piece.
  XDeleteProperty(fl_display, selection.requestor, selection.property);
  XFlush(fl_display);
  const auto transferDeadline = Clock::now() + kTransferTimeout;
  auto pieceDeadline = Clock::now() + kPieceTimeout;
  bool complete = false;
  for (;;) {
    XEvent event;
    if (XCheckIfEvent(fl_display, &event, &isNextPiece,
                      reinterpret_cast<XPointer>(const_cast<XSelectionEvent*>(&selection)))) {
      const long bytes = takePiece(selection, text);
      XFlush(fl_display);
      complete = bytes == 0;
      if (bytes <= 0) break;
      pieceDeadline = std::min(Clock::now() + kPieceTimeout, transferDeadline);
      continue;
    }
    if (Clock::now() >= pieceDeadline) break;
    waitForInput(pieceDeadline);
  }
  XSelectInput(fl_display, selection.requestor, attributes.your_event_mask);
  return complete;
}

// Hands the text to the focused widget as the toolkit hands a paste.
void deliver(std::string& text) {
  Fl_Widget* receiver = Fl::focus();
  if (receiver == nullptr || text.empty()) return;
  Fl::e_text = text.data();
  Fl::e_length = static_cast<int>(text.size());
  Fl::e_clipboard_type = Fl::clipboard_plain_text;
  const int event = Fl::e_number;
  receiver->handle(Fl::e_number = FL_PASTE);
  Fl::e_number = event;
  Fl::e_text = nullptr;
  Fl::e_length = 0;
}

}  // namespace

IncrementalPaste::IncrementalPaste() { Fl::add_system_handler(&IncrementalPaste::filter, this); }

IncrementalPaste::~IncrementalPaste() { Fl::remove_system_handler(&IncrementalPaste::filter); }

int IncrementalPaste::filter(void* event, void* /*data*/) {
  const auto& xevent = *static_cast<const XEvent*>(event);
  if (xevent.type != SelectionNotify || xevent.xselection.property == None) return 0;
  const XSelectionEvent& selection = xevent.xselection;
  if (propertyType(selection) != atom("INCR")) return 0;
  std::string text;
  const bool complete = receivePieces(selection, text);
  if (selection.target == atom("TARGETS")) {
    // The list of formats came in pieces: ask for text straight away, as the toolkit would.
    XConvertSelection(fl_display, selection.selection, atom("UTF8_STRING"), selection.property,
                      selection.requestor, CurrentTime);
    XFlush(fl_display);
  } else if (complete) {
    deliver(text);
  }
  return 1;
}

}  // namespace ttt
