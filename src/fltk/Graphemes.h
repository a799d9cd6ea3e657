#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace ttt {

// What a reader counts as one character: a grapheme cluster of UTF-8 text, such as "e" with a
// combining accent, a flag or an emoji with its skin tone. A byte that is not UTF-8 counts as
// a cluster of its own.

// The byte offset at which each cluster ends, in order.
std::vector<std::size_t> graphemeEnds(std::string_view text);
std::size_t graphemeCount(std::string_view text);

}  // namespace ttt
