#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ttt {

// A caption with access-key markers ("&NEW GAME") as it is shown and pressed: "&&" stands
// for one '&', and a lone '&' marks the character after it, which is underlined and which
// Alt presses. The markers themselves are not shown; a '&' that ends the caption is shown as
// it is. Where several characters are marked, the first one wins, as the platforms' own
// mnemonics do: the later markers are dropped and their characters shown plainly.
struct CaptionMarkup {
  std::string text;                   // what is shown
  std::optional<std::size_t> marked;  // byte offset in `text` of the underlined character
  std::optional<char> accessKey;      // the marked character upper-cased, if it is a letter
                                      // or digit of ASCII
};

CaptionMarkup parseCaption(std::string_view caption);

// The parsed caption written back for a toolkit that reads '&' markers itself: every shown
// '&' doubled and a single '&' before the marked character, so that the toolkit shows
// exactly this parse.
std::string mnemonicCaption(const CaptionMarkup& markup);

}  // namespace ttt
