#pragma once

#include "forms/Services.h"
#include "platform/ClockRandomSource.h"
#include "screens/layouts/ApplicationTitle.h"
#include "win32/system/ShellLauncher.h"
#include "win32/dialogs/Win32Dialogs.h"
#include "win32/windows/Win32Windows.h"

namespace ttt {

// The platform services of the Windows program, bundled for wWinMain to hand to the windows.
// Dialogs belong to the window of ours that is active when they open.
struct Win32Services {
  explicit Win32Services(const Win32Windows& windows)
      : inputBox(kApplicationTitle, [&windows] { return windows.dialogOwner(); }),
        messageBox([&windows] { return windows.dialogOwner(); }) {}

  Win32InputBox inputBox;
  Win32MessageBox messageBox;
  ShellLauncher launcher;
  ClockRandomSource random;
  Services services{inputBox, messageBox, launcher, random};
};

}  // namespace ttt
