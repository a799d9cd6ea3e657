#include "fltk/FltkInputBox.h"

#include "fltk/DialogWindow.h"

namespace ttt {

std::string FltkInputBox::ask(const std::string& prompt) {
  DialogWindow dialog(DialogWindow::Kind::Input, title_, prompt, scale_);
  return dialog.run() ? dialog.answer() : std::string();
}

}  // namespace ttt
