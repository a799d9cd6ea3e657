#pragma once

namespace ttt {

// Gives every window the program opens, the toolkit's dialogs included, the program's window
// class (WM_CLASS), by which the desktop finds the program's entry and icon, and the light
// bulb as the icon of any window that has none of its own. Call before any window is shown.
void setWindowIdentity(const char* windowClass);

}  // namespace ttt
