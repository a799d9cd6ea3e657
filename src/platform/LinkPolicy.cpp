#include "platform/LinkPolicy.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace ttt {
namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() > prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

}  // namespace

bool isLinkTarget(std::string_view target) {
  constexpr std::array<std::string_view, 3> kSchemes{"http://", "https://", "mailto:"};
  const bool control = std::ranges::any_of(
      target, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
  return !control && std::ranges::any_of(kSchemes, [target](std::string_view scheme) {
    return startsWithNoCase(target, scheme);
  });
}

}  // namespace ttt
