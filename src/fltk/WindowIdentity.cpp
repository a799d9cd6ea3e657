#include "fltk/WindowIdentity.h"

#include <FL/Fl_Window.H>

namespace ttt {

void setWindowIdentity(const char* windowClass) { Fl_Window::default_xclass(windowClass); }

}  // namespace ttt
