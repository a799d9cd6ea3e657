#include "screens/text/GraphemeBoundaries.h"

namespace ttt {

namespace {

// The length of the UTF-8 sequence for one code point at the start of `text`, 0 if the bytes
// there are not one.
std::size_t sequenceLength(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead == 0) return 0;  // a NUL ends text for most text libraries: it stands alone
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

std::size_t validUtf8Prefix(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t length = sequenceLength(text.substr(at));
    if (length == 0) break;
    at += length;
  }
  return at;
}

std::vector<std::size_t> GraphemeBoundaries::ends(std::string_view utf8) const {
  std::vector<std::size_t> all;
  std::size_t start = 0;
  while (start < utf8.size()) {
    const std::size_t valid = start + validUtf8Prefix(utf8.substr(start));
    if (valid > start) {
      for (const std::size_t end : validEnds(utf8.substr(start, valid - start)))
        all.push_back(start + end);
    }
    if (valid < utf8.size()) all.push_back(valid + 1);  // a stray byte
    start = valid + 1;
  }
  return all;
}

std::size_t GraphemeBoundaries::boundaryBefore(std::string_view utf8, std::size_t at) const {
  std::size_t before = 0;
  for (const std::size_t end : ends(utf8)) {
    if (end > at) break;
    before = end;
  }
  return before;
}

std::size_t GraphemeBoundaries::boundaryAfter(std::string_view utf8, std::size_t at) const {
  if (at == 0) return 0;
  for (const std::size_t end : ends(utf8)) {
    if (end >= at) return end;
  }
  return utf8.size();
}

}  // namespace ttt
