#pragma once

namespace ttt {

// The program's title, which every input box shows since the windows give them none.
inline constexpr const char* kApplicationTitle = "Orvane'S Tic Tac Toe !";

}  // namespace ttt
