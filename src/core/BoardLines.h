#pragma once

#include <array>
#include <string>

namespace ttt {

inline constexpr int kCellCount = 9;

// The board as the captions of its nine cells, index = 3 * row + column from the top left.
using Cells = std::array<std::string, kCellCount>;

// One line of the board: its three cells in the order they are read, and the number of the
// strike line (9 to 16) drawn through it.
struct BoardLine {
  std::array<int, 3> cells;
  int strikeLine;
};

// The eight lines in the order the line test takes them. The middle column is struck by
// Line14 and the right column by Line13; the diagonal 2-4-6 comes before 0-4-8.
inline constexpr std::array<BoardLine, 8> kLinesInTestOrder{{
    {{0, 1, 2}, 9},
    {{3, 4, 5}, 10},
    {{6, 7, 8}, 11},
    {{0, 3, 6}, 12},
    {{1, 4, 7}, 14},
    {{2, 5, 8}, 13},
    {{2, 4, 6}, 16},
    {{0, 4, 8}, 15},
}};

inline constexpr int kFirstStrikeLine = 9;
inline constexpr int kLastStrikeLine = 16;

}  // namespace ttt
