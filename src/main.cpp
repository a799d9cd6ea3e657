#include <FL/Fl.H>

#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "cli/CommandLine.h"
#include "cli/ProgramIdentity.h"
#include "fltk/DisplayConnection.h"
#include "fltk/FltkServices.h"
#include "fltk/FltkWindows.h"
#include "fltk/WindowIdentity.h"
#include "shell/Application.h"

namespace {

// Opens the X display for the toolkit, or says why it cannot. The toolkit would otherwise
// end the process with a terse message of its own.
bool openDisplay() {
  const std::string problem = ttt::openToolkitDisplay();
  if (problem.empty()) return true;
  std::fprintf(stderr, "%s: %s\n", ttt::kProgramName, problem.c_str());
  return false;
}

}  // namespace

// The command line is read here, not by the toolkit, which would accept options the windows
// do not honour; only the display is handed on.
int main(int argc, char** argv) {
  const std::span<const char* const> arguments(argv, static_cast<std::size_t>(argc));
  const auto request = ttt::parseCommandLine(arguments.empty() ? arguments : arguments.subspan(1));
  if (const auto status = ttt::answerCommandLine(request, stdout, stderr)) return *status;
  if (!request.displayName.empty()) Fl::display(request.displayName.c_str());
  if (!openDisplay()) return EXIT_FAILURE;
  ttt::setWindowIdentity(ttt::kWindowClass);
  ttt::FltkServices services;
  ttt::FltkWindows windows;
  ttt::Application app(services.services, windows);
  app.start();
  // The loop ends once no window of ours is on screen; the menu's handlers show the
  // contact box before that.
  Fl::run();
  return EXIT_SUCCESS;
}
