#include "singleplayer/ReplyRules.h"

#include <cstddef>
#include <string>

#include "core/Marks.h"

namespace ttt {
namespace {

const std::string& at(const Cells& cells, int index) {
  return cells[static_cast<std::size_t>(index)];
}

// Only the two marks count as a pair: two empty cells, or two captions that are not marks,
// complete nothing and block nothing.
bool ruleApplies(const Cells& cells, const ReplyRule& rule) {
  const std::string& mark = at(cells, rule.first);
  const bool isMark = mark == kMarkX || mark == kMarkO;
  return isMark && at(cells, rule.second) == mark && at(cells, rule.target).empty();
}

}  // namespace

std::optional<int> findReplyTarget(const Cells& cells) {
  for (const ReplyRule& rule : kReplyRules) {
    if (ruleApplies(cells, rule)) return rule.target;
  }
  return std::nullopt;
}

}  // namespace ttt
