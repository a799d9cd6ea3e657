#pragma once

#include <QString>
#include <string>

#include "forms/Services.h"

namespace ttt {

// The input box: the prompt above a name field, "OK" and "Cancel", under the application's
// title, modal and centred on the screen.
class QtInputBox : public InputBox {
 public:
  explicit QtInputBox(const std::string& title) : title_(QString::fromStdString(title)) {}
  // Blocks until the box is closed; "" when it is cancelled, escaped or closed.
  std::string ask(const std::string& prompt) override;

 private:
  QString title_;
};

// The message box: modal, centred on the screen, one "OK", the exclamation icon
// for the exclamation style and the information icon for any other.
class QtMessageBox : public MessageBox {
 public:
  void show(const std::string& prompt, int style, const std::string& title) override;
};

}  // namespace ttt
