#pragma once

#include "win32/WinApi.h"

#include <string>

namespace ttt {

// A message box breaks its text at blanks, but sizes itself to a word that no line can hold,
// however wide, so a long name can push the box and its button off the screen. This breaks
// every such run of the text into lines of at most half the width of the screen, in the font
// of message boxes, and leaves the rest of the text to the box's own wrapping.
std::wstring breakLongRuns(const std::wstring& text, HWND owner);

}  // namespace ttt
