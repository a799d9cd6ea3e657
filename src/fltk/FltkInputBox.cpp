#include "fltk/FltkInputBox.h"

#include <FL/fl_ask.H>

#include "fltk/LiteralText.h"

namespace ttt {

std::string FltkInputBox::ask(const std::string& prompt) {
  fl_message_title(title_.c_str());
  // The prompt goes through "%s" so that a '%' in it is not read as a format.
  const char* answer = fl_input("%s", nullptr, literalToolkitText(prompt).c_str());
  return answer != nullptr ? std::string(answer) : std::string();
}

}  // namespace ttt
