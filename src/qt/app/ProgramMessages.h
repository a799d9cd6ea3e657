#pragma once

namespace ttt {

// Routes Qt's messages through the program: a lost display, or any other fatal error of Qt's,
// is said in the program's words and ends it with status 1 at once, instead of aborting; X
// protocol errors are said on one line each and the program carries on.
void routeToolkitMessages(const char* programName);

}  // namespace ttt
