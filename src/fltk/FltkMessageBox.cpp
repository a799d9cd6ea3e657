#include "fltk/FltkMessageBox.h"

#include "fltk/DialogWindow.h"

namespace ttt {

void FltkMessageBox::show(const std::string& prompt, int style, const std::string& title) {
  const auto kind =
      style == kStyleExclamation ? DialogWindow::Kind::Alert : DialogWindow::Kind::Message;
  DialogWindow(kind, title, prompt, scale_).run();
}

}  // namespace ttt
