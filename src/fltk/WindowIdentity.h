#pragma once

namespace ttt {

// Gives every window the program opens, the dialogs included, the program's window class
// (WM_CLASS), by which the desktop finds the program's entry and icon. Call before any window
// is shown. Each window sets its own icon when it is built, so none is drawn before it is
// needed.
void setWindowIdentity(const char* windowClass);

}  // namespace ttt
