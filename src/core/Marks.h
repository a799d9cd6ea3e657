#pragma once

#include <string_view>

namespace ttt {

// The marks a cell can hold. Captions are compared exactly and case-sensitively.
inline constexpr std::string_view kMarkX = "X";
inline constexpr std::string_view kMarkO = "O";
inline constexpr std::string_view kEmptyCell = "";

}  // namespace ttt
