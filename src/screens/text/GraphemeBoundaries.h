#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace ttt {

// What a reader counts as one character: a grapheme cluster of UTF-8 text, such as "e" with
// a combining accent, a flag or an emoji with its skin tone. Each platform's own text library
// knows where clusters end; a backend supplies it by implementing validEnds. A byte that is
// not UTF-8 is a cluster of its own, so that any bytes at all can be counted and cut.
class GraphemeBoundaries {
 public:
  virtual ~GraphemeBoundaries() = default;

  // The byte offset at which each cluster of `utf8` ends, in order.
  std::vector<std::size_t> ends(std::string_view utf8) const;
  std::size_t count(std::string_view utf8) const { return ends(utf8).size(); }
  // The last cluster boundary at or before byte `at`, and the first at or after it.
  std::size_t boundaryBefore(std::string_view utf8, std::size_t at) const;
  std::size_t boundaryAfter(std::string_view utf8, std::size_t at) const;

 protected:
  // The cluster ends of text that is valid UTF-8 and not empty, as offsets into it.
  virtual std::vector<std::size_t> validEnds(std::string_view validUtf8) const = 0;
};

// The length of the valid UTF-8 that opens `text` (no NUL, overlong forms, surrogates or
// code points beyond U+10FFFF).
std::size_t validUtf8Prefix(std::string_view text);

}  // namespace ttt
