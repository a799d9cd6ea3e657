#pragma once

#include "win32/system/WinApi.h"

#include <optional>

namespace ttt {

// The cell that a key message places on, or none: the first press (not a held key's repeat)
// of a digit of the numeric keypad, with Num Lock on or off, or of the row of digits above
// the letters, without Ctrl or Alt. The dedicated arrow, Home, End and page keys are not the
// keypad's, and place nothing.
std::optional<int> cellOfKeyMessage(const MSG& message);

}  // namespace ttt
