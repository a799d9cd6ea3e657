#pragma once

namespace ttt {

// Routes Qt's messages through the program: a lost display, or any fatal error, is said in its
// words and ends it with status 1 at once; an X protocol error is said and the game goes on.
void routeToolkitMessages(const char* programName);

}  // namespace ttt
