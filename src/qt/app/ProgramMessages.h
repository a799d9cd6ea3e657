#pragma once

namespace ttt {

// Routes Qt's messages through the program: a lost display (the X server or the Wayland
// compositor gone) is said in the program's words and ends it with status 1 at once, without
// clean-up that would talk to the display again; any other fatal error of Qt's ends it the same
// way instead of aborting. Warnings, X protocol errors among them, are printed and the program
// carries on.
void routeToolkitMessages(const char* programName);

}  // namespace ttt
