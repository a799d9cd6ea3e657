#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "screens/text/GraphemeBoundaries.h"

namespace ttt {

// A player's name holds at most this many characters as a reader counts them (grapheme
// clusters: a letter with its combining accents, or an emoji with its modifiers, is one).
inline constexpr std::size_t kMaxNameCharacters = 255;

// What a name field holds after an edit: its text, the cursor (a byte offset into it), and
// whether the limit cut the insertion, in which case the field beeps.
struct NameChange {
  std::string text;
  std::size_t cursor = 0;
  bool limited = false;
};

// Puts `inserted` (typed, pasted or composed) in place of bytes [from, to) of `text`. A
// paste keeps only its first line, as in any one-line field; blanks, tabs and every other
// byte are kept as given. What would take the name past the limit is left out, whole
// characters at a time; a combining mark typed after its letter adds no character.
NameChange insertIntoName(const GraphemeBoundaries& clusters, std::string_view text,
                          std::size_t from, std::size_t to, std::string_view inserted);

// The same rule for a field that only tells the text before and after an edit: the edit is
// taken to replace what lies between their common start and common end, on cluster
// boundaries of `before`.
NameChange editName(const GraphemeBoundaries& clusters, std::string_view before,
                    std::string_view after);

}  // namespace ttt
