#include <FL/Fl.H>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "fltk/DisplayConnection.h"
#include "fltk/FltkServices.h"
#include "fltk/FltkWindows.h"
#include "fltk/TimerPump.h"
#include "shell/Application.h"

namespace {

// Opens the X display for the toolkit, or says why it cannot. The toolkit would otherwise
// end the process with a terse message of its own.
bool openDisplay() {
  const std::string problem = ttt::openToolkitDisplay();
  if (problem.empty()) return true;
  std::fprintf(stderr, "orvane-tictactoe: %s\n", problem.c_str());
  return false;
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
