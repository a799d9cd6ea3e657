#pragma once

#include <optional>

#include "screens/CellKeys.h"

class QKeyEvent;

namespace ttt {

// The digit key a key press stands for, from the keypad (with Num Lock on or off) or the row
// above the letters; none with Ctrl, Alt or Meta held.
std::optional<CellKey> cellKeyOf(const QKeyEvent& event);

}  // namespace ttt
