#include "fltk/WindowHints.h"

#include <FL/Fl_Window.H>
#include <FL/x.H>

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

}  // namespace ttt
