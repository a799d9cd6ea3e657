#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "forms/Layout.h"

namespace ttt {

// What a screen reader says unasked when a control on screen comes to show `caption`: a mark
// placed in a cell, by its place ("top left, X"), whoever placed it; a score count, under its
// heading ("WIN 1", "LOSS 2"). Nothing for a cell being cleared or for any other control,
// since the player reads those when they want to.
std::optional<std::string> announcement(const ControlLayout& layout, std::string_view caption);

}  // namespace ttt
