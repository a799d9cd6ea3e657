#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "cli/CommandLine.h"
#include "cli/ProgramIdentity.h"
#include "platform/SingleInstance.h"
#include "qt/app/ProgramMessages.h"
#include "qt/app/QtServices.h"
#include "qt/app/QtWindows.h"
#include "qt/app/Toolkit.h"
#include "qt/system/DestroyedWindowWatch.h"
#include "qt/system/DisplayCheck.h"
#include "qt/system/FixedSizeGuard.h"
#include "shell/Application.h"

// The command line is read here, not by Qt, which would accept options the windows do not
// honour; only the display is handed on.
int main(int argc, char** argv) {
  const std::span<const char* const> arguments(argv, static_cast<std::size_t>(argc));
  const auto request = ttt::parseCommandLine(arguments.empty() ? arguments : arguments.subspan(1));
  if (const auto status = ttt::answerCommandLine(request, stdout, stderr)) return *status;
  if (!request.displayName.empty()) setenv("DISPLAY", request.displayName.c_str(), 1);
  if (const std::string problem = ttt::displayProblem(); !problem.empty()) {
    std::fprintf(stderr, "%s: %s\n", ttt::kProgramName, problem.c_str());
    return EXIT_FAILURE;
  }
  ttt::routeToolkitMessages(ttt::kProgramName);
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  // A second start on the desktop brings the running program to the front instead.
  const ttt::SingleInstance instance(ttt::kApplicationId);
  if (!instance.first()) return EXIT_SUCCESS;
  ttt::styleApplication(application);
  const ttt::FixedSizeGuard fixedSizes;
  const ttt::DestroyedWindowWatch destroyedWindows;
  ttt::QtServices services;
  ttt::QtWindows windows;
  ttt::Application app(services.services, windows);
  // The program ends once no window is open after a handler returns; the windows are hidden,
  // never closed through Qt, so Qt's own rule for that never applies.
  QApplication::setQuitOnLastWindowClosed(false);
  app.start();
  return QApplication::exec();
}
