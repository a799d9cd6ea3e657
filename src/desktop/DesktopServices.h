#pragma once

#include "desktop/ClockRandomSource.h"
#include "desktop/FltkInputBox.h"
#include "desktop/FltkMessageBox.h"
#include "desktop/UriLauncher.h"
#include "forms/Services.h"

namespace ttt {

// The platform services of the desktop program, bundled for main() to hand to the windows.
struct DesktopServices {
  FltkInputBox inputBox;
  FltkMessageBox messageBox;
  UriLauncher launcher;
  ClockRandomSource random;
  Services services{inputBox, messageBox, launcher, random};
};

}  // namespace ttt
