#pragma once

#include <array>
#include <optional>

#include "core/BoardLines.h"

namespace ttt {

// One rule of the computer's reply: when the two matching cells hold the same mark and the
// target is empty, the computer plays its "O" on the target. Two "O" complete its own line,
// two "X" block the user's; both lead to the same move.
struct ReplyRule {
  int first;
  int second;
  int target;
};

// The rules in priority order: rows, then columns, then the diagonal 0-4-8 before 2-4-6.
// The first rule that applies is played, whether it wins or blocks.
inline constexpr std::array<ReplyRule, 24> kReplyRules{{
    {0, 1, 2}, {0, 2, 1}, {1, 2, 0},  // top row
    {3, 4, 5}, {3, 5, 4}, {4, 5, 3},  // middle row
    {6, 7, 8}, {6, 8, 7}, {7, 8, 6},  // bottom row
    {0, 3, 6}, {0, 6, 3}, {3, 6, 0},  // left column
    {1, 4, 7}, {1, 7, 4}, {4, 7, 1},  // middle column
    {2, 5, 8}, {2, 8, 5}, {5, 8, 2},  // right column
    {0, 4, 8}, {0, 8, 4}, {4, 8, 0},  // diagonal from top left
    {2, 4, 6}, {2, 6, 4}, {4, 6, 2},  // diagonal from top right
}};

// The target of the first rule that applies to the board, or none when no rule applies.
std::optional<int> findReplyTarget(const Cells& cells);

}  // namespace ttt
