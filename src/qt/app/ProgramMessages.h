#pragma once

namespace ttt {

// Routes Qt's messages through the program: a lost display, or any fatal error, is said in its
// words and ends it with status 1 at once.
void routeToolkitMessages(const char* programName);
// Says an X protocol error on one line, which Qt would keep quiet; the game goes on.
void reportProtocolError(int error, int request, unsigned resource);

}  // namespace ttt
