#pragma once

namespace ttt {

// Replaces Xlib's handlers, which end the process on any protocol error, with the
// program's own. Other clients may destroy our windows or answer with nonsense at any
// time, so a protocol error never ends the program: one about a window or drawable that is
// already gone is dropped (the first of them says so on one line of standard error), any
// other is reported on one line. Only losing the connection to the display ends the
// program, with one line naming the display and exit status 1. Call once the toolkit's
// display is open.
void handleDisplayErrors(const char* programName);

}  // namespace ttt
