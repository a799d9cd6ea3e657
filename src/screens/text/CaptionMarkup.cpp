#include "screens/text/CaptionMarkup.h"

namespace ttt {

namespace {

std::optional<char> accessKeyOf(char marked) {
  const bool letter = (marked >= 'a' && marked <= 'z') || (marked >= 'A' && marked <= 'Z');
  const bool digit = marked >= '0' && marked <= '9';
  if (!letter && !digit) return std::nullopt;
  return marked >= 'a' && marked <= 'z' ? static_cast<char>(marked - 'a' + 'A') : marked;
}

}  // namespace

CaptionMarkup parseCaption(std::string_view caption) {
  CaptionMarkup parsed;
  for (std::size_t at = 0; at < caption.size(); ++at) {
    const bool marker = caption[at] == '&' && at + 1 < caption.size();
    if (!marker) {
      parsed.text += caption[at];
      continue;
    }
    ++at;
    if (caption[at] != '&' && !parsed.marked) {
      parsed.marked = parsed.text.size();
      parsed.accessKey = accessKeyOf(caption[at]);
    }
    parsed.text += caption[at];
  }
  return parsed;
}

std::string mnemonicCaption(const CaptionMarkup& markup) {
  std::string caption;
  for (std::size_t at = 0; at < markup.text.size(); ++at) {
    if (markup.marked == at) caption += '&';
    if (markup.text[at] == '&') caption += '&';
    caption += markup.text[at];
  }
  return caption;
}

}  // namespace ttt
