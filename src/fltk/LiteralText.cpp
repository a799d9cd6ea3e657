#include "fltk/LiteralText.h"

namespace ttt {

std::string literalToolkitText(const std::string& text) {
  std::string shown;
  shown.reserve(text.size() + 8);
  for (const char c : text) {
    if (c == '\r') continue;
    if (c == '@') shown += '@';
    shown += c;
  }
  return shown;
}

}  // namespace ttt
