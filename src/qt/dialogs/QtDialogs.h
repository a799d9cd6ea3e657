#pragma once

#include <QString>
#include <string>

#include "forms/Services.h"

namespace ttt {

// The modal input box, centred on the screen: the prompt above a name field, "OK", "Cancel".
class QtInputBox : public InputBox {
 public:
  explicit QtInputBox(const std::string& title) : title_(QString::fromStdString(title)) {}
  // Blocks until the box is closed; "" when it is cancelled, escaped or closed.
  std::string ask(const std::string& prompt) override;

 private:
  QString title_;
};

// The modal message box, centred on the screen, with one "OK" and the style's icon.
class QtMessageBox : public MessageBox {
 public:
  void show(const std::string& prompt, int style, const std::string& title) override;
};

}  // namespace ttt
