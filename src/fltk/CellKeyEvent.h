#pragma once

#include <optional>
#include <string_view>

#include "screens/CellKeys.h"

namespace ttt {

// The cell key a key press is, or none: a keypad digit by its key as it came from the keyboard,
// before Num Lock's translation, so whether Num Lock is on or off; or a digit typed
// on the row above the letters, by the text it types, so that a layout that types digits
// with Shift works too. A press with Ctrl, Alt or a logo key held is no cell key: those keep
// their own meanings.
std::optional<CellKey> cellKeyOf(int key, std::string_view text, int state);

// The same for the key event being handled.
std::optional<CellKey> cellKeyOfEvent();

}  // namespace ttt
