#include "fltk/FltkDialogs.h"

#include "fltk/DialogWindow.h"

namespace ttt {

std::string FltkInputBox::ask(const std::string& prompt) {
  DialogWindow dialog(DialogWindow::Kind::Input, title_, prompt);
  return dialog.run() ? dialog.answer() : std::string();
}

void FltkMessageBox::show(const std::string& prompt, int style, const std::string& title) {
  const auto kind =
      style == kStyleExclamation ? DialogWindow::Kind::Alert : DialogWindow::Kind::Message;
  DialogWindow(kind, title, prompt).run();
}

}  // namespace ttt
