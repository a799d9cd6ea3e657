#pragma once

#include "forms/Layout.h"

namespace ttt {

// The board that both game windows share: the frame, the nine cell labels, the red grid and
// the yellow strike lines, all but the frame positioned inside the frame. The windows differ
// only in where the frame sits, in the two diagonal strikes and in stacking and tab order.
inline constexpr const char* kBoardFrameName = "Frame2";
// The control array of the nine cells, S(0) to S(8).
inline constexpr const char* kCellArrayName = "S";

ControlLayout boardFrame(int left, int tabIndex);
// The cell label S(index), index = 3 * row + column from the top left.
ControlLayout cellLabel(int index, int tabIndex);
// Line1 to Line8: the inner verticals, the inner horizontals and the four edges.
ControlLayout gridLine(int number);
// Line9 to Line14: the row and column strikes, hidden.
ControlLayout rowOrColumnStrikeLine(int number);
// Line15 and Line16: a diagonal strike, hidden, at the window's own end points.
ControlLayout diagonalStrikeLine(int number, TwipsLine geometry);

}  // namespace ttt
