#pragma once

#include "forms/Services.h"
#include "platform/ClockRandomSource.h"
#include "platform/UriLauncher.h"
#include "qt/dialogs/QtDialogs.h"
#include "screens/ApplicationTitle.h"

namespace ttt {

// The platform services of the desktop program, bundled for main() to hand to the windows.
struct QtServices {
  QtInputBox inputBox{kApplicationTitle};
  QtMessageBox messageBox;
  UriLauncher launcher;
  ClockRandomSource random;
  Services services{inputBox, messageBox, launcher, random};
};

}  // namespace ttt
