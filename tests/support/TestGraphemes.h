#pragma once

#include "screens/text/GraphemeBoundaries.h"

namespace ttt::test {

// Cluster boundaries enough for the tests: a code point joins the cluster before it when it
// is a combining accent (U+0300 to U+036F), a variation selector, a skin tone, a zero-width
// joiner or what follows one.
class TestGraphemes : public GraphemeBoundaries {
 protected:
  std::vector<std::size_t> validEnds(std::string_view validUtf8) const override {
    std::vector<std::size_t> ends;
    bool joined = false;
    for (std::size_t at = 0, length = 0; at < validUtf8.size(); at += length) {
      const char32_t point = decode(validUtf8, at, length);
      if (!ends.empty() && (extends(point) || joined)) ends.pop_back();
      joined = point == 0x200D;
      ends.push_back(at + length);
    }
    return ends;
  }

 private:
  // The code point at `at` of valid UTF-8, and its length.
  static char32_t decode(std::string_view text, std::size_t at, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
      point = (point << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    return point;
  }
  static bool extends(char32_t point) {
    return (point >= 0x300 && point <= 0x36F) || point == 0xFE0F || point == 0x200D ||
           (point >= 0x1F3FB && point <= 0x1F3FF);
  }
};

}  // namespace ttt::test
