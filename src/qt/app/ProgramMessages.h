#pragma once

namespace ttt {

// Says a lost display or a fatal Qt error in the program's words and ends with status 1.
void routeToolkitMessages(const char* programName);
// Says an X protocol error, which Qt keeps quiet; the game goes on.
void reportProtocolError(int error, int request, unsigned resource);

}  // namespace ttt
