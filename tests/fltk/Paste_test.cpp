// Pastes into the name box from a clipboard owner that sends its text in pieces (INCR).
#include "WindowsFixture.h"

#include <FL/Fl_Input.H>
#include <X11/Xatom.h>
#include <poll.h>

#include <atomic>
#include <string>
#include <thread>

#include "fltk/FltkDialogs.h"
#include "fltk/IncrementalPaste.h"
#include "screens/ApplicationTitle.h"

namespace ttt::test {

// Owns the clipboard on a connection of its own and serves it from a thread of its own, as
// another program would: it lists UTF8_STRING among its formats and sends the text in
// pieces, announcing the given size first (none at all when it is negative).
class PiecewiseClipboardOwner {
 public:
  PiecewiseClipboardOwner(std::string text, std::size_t piece, long announced)
      : text_(std::move(text)),
        piece_(piece),
        announced_(announced),
        display_(XOpenDisplay(nullptr)) {
    window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);
    clipboard_ = XInternAtom(display_, "CLIPBOARD", False);
    XSetSelectionOwner(display_, clipboard_, window_, CurrentTime);
    owns_ = XGetSelectionOwner(display_, clipboard_) == window_;
    thread_ = std::thread([this] { serve(); });
  }
  ~PiecewiseClipboardOwner() {
    stop_ = true;
    thread_.join();
    XCloseDisplay(display_);
  }
  bool owns() const { return owns_; }

 private:
  Atom atom(const char* name) { return XInternAtom(display_, name, False); }
  void serve() {
    pollfd connection{ConnectionNumber(display_), POLLIN, 0};
    while (!stop_) {
      while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        if (event.type == SelectionRequest) answer(event.xselectionrequest);
        if (event.type == PropertyNotify && event.xproperty.state == PropertyDelete)
          sendPiece(event.xproperty);
      }
      poll(&connection, 1, 20);
    }
  }
  void answer(const XSelectionRequestEvent& request) {
    Atom property = request.property;
    if (request.target == atom("TARGETS")) {
      Atom targets[] = {atom("TARGETS"), atom("UTF8_STRING")};
      XChangeProperty(display_, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<unsigned char*>(targets), 2);
    } else if (request.target == atom("UTF8_STRING")) {
      XSelectInput(display_, request.requestor, PropertyChangeMask);
      requestor_ = request.requestor;
      property_ = property;
      sent_ = 0;
      XChangeProperty(display_, requestor_, property_, atom("INCR"), 32, PropModeReplace,
                      reinterpret_cast<unsigned char*>(&announced_), announced_ < 0 ? 0 : 1);
    } else {
      property = None;
    }
    XEvent notify{};
    notify.xselection = {
        SelectionNotify, 0,        True,        display_, request.requestor, request.selection,
        request.target,  property, request.time};
    XSendEvent(display_, request.requestor, False, 0, &notify);
    XFlush(display_);
  }
  // The requestor deleted the last piece (or the announcement): the next one, or the end.
  void sendPiece(const XPropertyEvent& deleted) {
    if (deleted.window != requestor_ || deleted.atom != property_ || sent_ > text_.size()) return;
    const std::size_t length = std::min(piece_, text_.size() - sent_);
    XChangeProperty(display_, requestor_, property_, atom("UTF8_STRING"), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(text_.data() + sent_),
                    static_cast<int>(length));
    sent_ += length == 0 ? 1 : length;  // past the end once the empty piece is out
    XFlush(display_);
  }

  std::string text_;
  std::size_t piece_;
  long announced_;
  Display* display_;
  Window window_ = 0, requestor_ = 0;
  Atom clipboard_ = 0, property_ = 0;
  std::size_t sent_ = 0;
  bool owns_ = false;
  std::atomic<bool> stop_ = false;
  std::thread thread_;
};

TEST(IncrementalPaste, APieceByPieceMebibyteFillsTheNameBoxUpToItsLimitWhateverSizeItAnnounces) {
  const IncrementalPaste guard;
  std::string text;
  while (text.size() < (1u << 20)) text += "Zo\xC3\xAB Orvane 0123456789 ";
  std::string expected;  // the first 255 characters
  for (int characters = 0, at = 0; characters < 255; ++characters) {
    const int length =
        (static_cast<unsigned char>(text[static_cast<std::size_t>(at)]) & 0xC0) == 0xC0 ? 2 : 1;
    expected += text.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(length));
    at += length;
  }
  for (const long announced : {-1L, 0L, 1L, 1L << 20}) {
    PiecewiseClipboardOwner owner(text, 65536, announced);
    ASSERT_TRUE(owner.owns());
    // Ctrl+V in the box, from inside its own loop; Enter once the text is in.
    Fl::add_timeout(0.01, [](void*) {
      Fl_Window& dialog = *Fl::modal();
      Fl_Input* input = nullptr;
      for (int i = 0; i < dialog.children() && input == nullptr; ++i)
        input = dynamic_cast<Fl_Input*>(dialog.child(i));
      input->take_focus();
      pressKey(dialog, 'v', "\x16", FL_CTRL);
      waitUntil([input] { return input->size() > 0; });
      pressKey(dialog, FL_Enter, "\r");
    });
    EXPECT_EQ(FltkInputBox(kApplicationTitle).ask("NAME"), expected) << "announced " << announced;
  }
}

}  // namespace ttt::test
