#pragma once

#include <string>
#include <string_view>

#include "forms/Layout.h"

namespace ttt {

// What a screen reader is told a control is.
enum class AccessibleRole { Window, PushButton, Label, Link, Cell, Frame, Line };

AccessibleRole accessibleRole(const ControlLayout& layout);

// Where cell `index` lies on the board: "top left", "centre", "bottom right" and so on.
std::string cellPlace(int index);

// The name a screen reader speaks for a control showing `caption`: a button's caption
// without its access-key marker ("ONE PLAYER"), a cell's place and mark ("top left, X",
// "centre, empty"), the board frame as "Board", anything else its caption as it stands.
std::string accessibleName(const ControlLayout& layout, std::string_view caption);

}  // namespace ttt
