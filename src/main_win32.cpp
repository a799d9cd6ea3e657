#include "win32/system/WinApi.h"
#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>

#include "cli/ProgramIdentity.h"
#include "platform/SingleInstance.h"
#include "shell/Application.h"
#include "win32/system/Win32Services.h"
#include "win32/windows/Win32Windows.h"
#include "win32/windows/WindowView.h"

namespace {

// Delivers messages until no window of ours is open once the running handler has returned.
void runMessageLoop(ttt::Application& app, ttt::Win32Windows& windows) {
  MSG message;
  while (app.anyWindowOpen() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    windows.dispatch(message);
  }
}

}  // namespace

// The program reads no command line.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
  // A second start in the session brings the running program to the front instead.
  const ttt::SingleInstance running(ttt::kApplicationId);
  if (!running.first()) return EXIT_SUCCESS;
  // The shell's link associations may use COM.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  ttt::WindowView::registerClasses(instance);
  ttt::Win32Windows windows;
  ttt::Win32Services services(windows);
  {
    ttt::Application app(services.services, windows);
    app.start();
    runMessageLoop(app, windows);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return EXIT_SUCCESS;
}
