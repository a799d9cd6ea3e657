#include "fltk/PangoGraphemes.h"

#include <pango/pango.h>

namespace ttt {

std::vector<std::size_t> PangoGraphemes::validEnds(std::string_view text) const {
  const auto characters =
      static_cast<std::size_t>(g_utf8_strlen(text.data(), static_cast<gssize>(text.size())));
  std::vector<PangoLogAttr> attributes(characters + 1);
  pango_get_log_attrs(text.data(), static_cast<int>(text.size()), -1, pango_language_get_default(),
                      attributes.data(), static_cast<int>(attributes.size()));
  std::vector<std::size_t> ends;
  const char* at = text.data();
  for (std::size_t character = 1; character <= characters; ++character) {
    at = g_utf8_next_char(at);
    if (attributes[character].is_cursor_position)
      ends.push_back(static_cast<std::size_t>(at - text.data()));
  }
  return ends;
}

}  // namespace ttt
