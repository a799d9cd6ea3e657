#include <QApplication>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "cli/CommandLine.h"
#include "cli/ProgramIdentity.h"
#include "platform/ClockRandomSource.h"
#include "platform/SingleInstance.h"
#include "platform/UriLauncher.h"
#include "qt/app/ProgramMessages.h"
#include "qt/app/QtWindows.h"
#include "qt/app/Toolkit.h"
#include "qt/dialogs/QtDialogs.h"
#include "platform/display/DisplayCheck.h"
#include "qt/system/WindowGuard.h"
#include "screens/layouts/ApplicationTitle.h"
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
  // Qt takes the instance half of each window's class (WM_CLASS) from -name; the class half
  // from the application name.
  std::array<char*, 4> qtArguments{argv[0], const_cast<char*>("-name"),
                                   const_cast<char*>(ttt::kWindowClass), nullptr};
  int qtArgc = 3;
  QApplication application(qtArgc, qtArguments.data());
  // A second start on the desktop brings the running program to the front instead.
  const ttt::SingleInstance instance(ttt::kApplicationId);
  if (!instance.first()) return EXIT_SUCCESS;
  ttt::styleApplication(application);
  const ttt::WindowGuard windowGuard;
  ttt::QtInputBox inputBox(ttt::kApplicationTitle);
  ttt::QtMessageBox messageBox;
  ttt::UriLauncher launcher;
  ttt::ClockRandomSource random;
  ttt::Services services{inputBox, messageBox, launcher, random};
  ttt::QtWindows windows;
  ttt::Application app(services, windows);
  // The program ends once no window is open after a handler returns; the windows are hidden,
  // never closed through Qt, so Qt's own rule for that never applies.
  QApplication::setQuitOnLastWindowClosed(false);
  app.start();
  return QApplication::exec();
}
