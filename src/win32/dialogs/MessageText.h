#pragma once

#include "win32/system/WinApi.h"

#include <string>

namespace ttt {

// A message box breaks its text at blanks, but sizes itself to a word that no line can hold,
// however wide, so a long name can push the box and its button off the screen. This breaks
// every such run of the text by the shared rule (screens/MessageWrap.h), in the font of
// message boxes and at the width of the work area of the owner's monitor, and leaves the
// rest of the text to the box's own wrapping.
std::wstring breakLongRuns(const std::wstring& text, HWND owner);

}  // namespace ttt
