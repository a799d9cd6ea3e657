#pragma once

#include "fltk/FltkDialogs.h"
#include "fltk/IncrementalPaste.h"
#include "forms/Services.h"
#include "platform/ClockRandomSource.h"
#include "platform/UriLauncher.h"
#include "screens/ApplicationTitle.h"

namespace ttt {

// The platform services of the desktop program, bundled for main() to hand to the windows.
struct FltkServices {
  IncrementalPaste incrementalPaste;  // keeps pieced pastes into the name box safe
  FltkInputBox inputBox{kApplicationTitle};
  FltkMessageBox messageBox;
  UriLauncher launcher;
  ClockRandomSource random;
  Services services{inputBox, messageBox, launcher, random};
};

}  // namespace ttt
