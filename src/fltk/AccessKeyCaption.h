#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ttt {

// A button caption as it is shown: "&&" stands for one '&', and a lone '&' marks the
// character after it as the access key, underlined; the markers themselves are not shown.
// Where several are marked, the last one is underlined, as the toolkit does.
struct AccessKeyCaption {
  std::string text;
  std::optional<std::size_t> marked;  // byte offset in `text` of the underlined character
};

AccessKeyCaption accessKeyCaption(std::string_view caption);

}  // namespace ttt
