#include "fltk/FltkMessageBox.h"

#include <FL/fl_ask.H>

#include "fltk/LiteralText.h"

namespace ttt {

void FltkMessageBox::show(const std::string& prompt, int style, const std::string& title) {
  // The toolkit labels the single button of these dialogs "Close"; ours reads "OK".
  fl_close = "OK";
  fl_message_title(title.c_str());
  const std::string shown = literalToolkitText(prompt);
  if (style == kStyleExclamation) {
    fl_alert("%s", shown.c_str());
  } else {
    fl_message("%s", shown.c_str());
  }
}

}  // namespace ttt
