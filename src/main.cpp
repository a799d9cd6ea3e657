#include <FL/Fl.H>
#include <FL/x.H>

#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "cli/CommandLine.h"
#include "cli/ProgramIdentity.h"
#include "fltk/Accessibility.h"
#include "fltk/DisplayConnection.h"
#include "fltk/DisplayErrors.h"
#include "fltk/FixedSizeGuard.h"
#include "fltk/FltkServices.h"
#include "fltk/FltkWindows.h"
#include "fltk/TooltipWindow.h"
#include "fltk/WindowIdentity.h"
#include "fltk/XftDpi.h"
#include "platform/SingleInstance.h"
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
  ttt::handleDisplayErrors(ttt::kProgramName);
  // A second start on the display brings the running program to the front instead.
  const ttt::SingleInstance instance(ttt::kApplicationId);
  if (!instance.first()) return EXIT_SUCCESS;
  ttt::setWindowIdentity(ttt::kWindowClass);
  const ttt::FixedSizeGuard fixedSizes;
  const ttt::XftDpi dpi = ttt::readXftDpi(fl_display);
  if (!dpi.problem.empty())
    std::fprintf(stderr, "%s: %s\n", ttt::kProgramName, dpi.problem.c_str());
  const ttt::Scale scale(dpi.dpi);
  // Screen readers see the windows when an accessibility bus is running; else nothing starts.
  ttt::Accessibility accessibility(ttt::kProgramName);
  accessibility.start();
  ttt::TooltipWindow::useScale(scale);
  ttt::FltkServices services(scale);
  ttt::FltkWindows windows(scale);
  ttt::Application app(services.services, windows);
  app.start();
  // The loop ends once no window of ours is on screen; the menu's handlers show the
  // contact box before that.
  Fl::run();
  return EXIT_SUCCESS;
}
