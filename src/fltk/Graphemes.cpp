#include "fltk/Graphemes.h"

#include <pango/pango.h>

namespace ttt {

namespace {

// Appends the cluster ends of valid UTF-8 text that starts at byte `offset`.
void appendValidEnds(std::string_view text, std::size_t offset, std::vector<std::size_t>& ends) {
  const auto characters =
      static_cast<std::size_t>(g_utf8_strlen(text.data(), static_cast<gssize>(text.size())));
  std::vector<PangoLogAttr> attributes(characters + 1);
  pango_get_log_attrs(text.data(), static_cast<int>(text.size()), -1, pango_language_get_default(),
                      attributes.data(), static_cast<int>(attributes.size()));
  const char* at = text.data();
  for (std::size_t character = 1; character <= characters; ++character) {
    at = g_utf8_next_char(at);
    if (attributes[character].is_cursor_position)
      ends.push_back(offset + static_cast<std::size_t>(at - text.data()));
  }
}

}  // namespace

std::vector<std::size_t> graphemeEnds(std::string_view text) {
  std::vector<std::size_t> ends;
  std::size_t start = 0;
  while (start < text.size()) {
    const char* validEnd = nullptr;
    g_utf8_validate(text.data() + start, static_cast<gssize>(text.size() - start), &validEnd);
    const auto valid = static_cast<std::size_t>(validEnd - text.data());
    if (valid > start) appendValidEnds(text.substr(start, valid - start), start, ends);
    if (valid < text.size()) ends.push_back(valid + 1);  // a stray byte, or a NUL
    start = valid + 1;
  }
  return ends;
}

std::size_t graphemeCount(std::string_view text) { return graphemeEnds(text).size(); }

}  // namespace ttt
