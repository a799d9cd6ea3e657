#include "fltk/AccessKeyCaption.h"

namespace ttt {

AccessKeyCaption accessKeyCaption(std::string_view caption) {
  AccessKeyCaption shown;
  for (std::size_t at = 0; at < caption.size(); ++at) {
    const bool marker = caption[at] == '&' && at + 1 < caption.size();
    if (!marker) {
      shown.text += caption[at];
    } else if (caption[++at] == '&') {
      shown.text += '&';
    } else {
      shown.marked = shown.text.size();
      shown.text += caption[at];
    }
  }
  return shown;
}

}  // namespace ttt
