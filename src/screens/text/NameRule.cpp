#include "screens/text/NameRule.h"

#include <algorithm>
#include <vector>

namespace ttt {

namespace {

// The longest start of `inserted`, cut after whole clusters of its own, with which the name
// keeps within the limit. More text never makes fewer characters, so it is found by halving.
std::size_t fittingBytes(const GraphemeBoundaries& clusters, std::string_view kept,
                         std::size_t at, std::string_view inserted) {
  std::vector<std::size_t> cuts{0};
  const std::vector<std::size_t> own = clusters.ends(inserted);
  // More than the limit never fits: the rest is not looked at.
  cuts.insert(cuts.end(), own.begin(),
              own.begin() + static_cast<std::ptrdiff_t>(
                                std::min(own.size(), kMaxNameCharacters + 1)));
  const auto fits = [&](std::size_t bytes) {
    std::string name(kept.substr(0, at));
    name.append(inserted.substr(0, bytes)).append(kept.substr(at));
    return clusters.count(name) <= kMaxNameCharacters;
  };
  std::size_t low = 0;
  std::size_t high = cuts.size() - 1;
  while (low < high) {
    const std::size_t middle = (low + high + 1) / 2;
    if (fits(cuts[middle])) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return cuts[low];
}

}  // namespace

NameChange insertIntoName(const GraphemeBoundaries& clusters, std::string_view text,
                          std::size_t from, std::size_t to, std::string_view inserted) {
  to = std::min(to, text.size());
  from = std::min(from, to);
  inserted = inserted.substr(0, std::min(inserted.find('\n'), inserted.find('\r')));
  std::string kept(text.substr(0, from));
  kept.append(text.substr(to));
  const std::size_t fitting = fittingBytes(clusters, kept, from, inserted);
  NameChange change;
  change.text = kept.substr(0, from);
  change.text.append(inserted.substr(0, fitting)).append(kept.substr(from));
  change.cursor = from + fitting;
  change.limited = fitting < inserted.size();
  return change;
}

NameChange editName(const GraphemeBoundaries& clusters, std::string_view before,
                    std::string_view after) {
  const std::size_t shorter = std::min(before.size(), after.size());
  std::size_t prefix = 0;
  while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < shorter - prefix &&
         before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
    ++suffix;
  const std::size_t from = clusters.boundaryBefore(before, prefix);
  const std::size_t to = clusters.boundaryAfter(before, before.size() - suffix);
  const std::size_t insertedEnd = after.size() - (before.size() - to);
  return insertIntoName(clusters, before, from, to, after.substr(from, insertedEnd - from));
}

}  // namespace ttt
