#include <FL/Fl.H>
#include <FL/x.H>

#include <cstdio>
#include <cstdlib>

#include "fltk/FltkServices.h"
#include "fltk/FltkWindows.h"
#include "fltk/TimerPump.h"
#include "shell/Application.h"

namespace {

// Opens the X display for the toolkit, or says why it cannot. The toolkit would otherwise
// end the process with a terse message of its own.
bool openDisplay() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') {
      std::fputs("orvane-tictactoe: cannot open the display: DISPLAY is not set\n", stderr);
    } else {
      std::fprintf(stderr,
                   "orvane-tictactoe: cannot open the display \"%s\": is an X server running there?\n", name);
    }
    return false;
  }
  fl_open_display(display);
  return true;
}

}  // namespace

// The program reads no command line: nothing is handed to the toolkit.
int main() {
  if (!openDisplay()) return EXIT_FAILURE;
  ttt::FltkServices services;
  ttt::TimerPump pump;
  ttt::FltkWindows windows(pump);
  ttt::Application app(services.services, windows);
  app.start();
  // The loop ends once no window of ours is on screen; the menu's handlers show the
  // contact box before that.
  Fl::run();
  return EXIT_SUCCESS;
}
