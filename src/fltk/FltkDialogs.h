#pragma once

#include <string>
#include <utility>

#include "forms/Services.h"

namespace ttt {

// The input box as a modal name dialog under the application's title.
class FltkInputBox : public InputBox {
 public:
  explicit FltkInputBox(std::string title) : title_(std::move(title)) {}

  // Blocks until the box is closed; "" when it is cancelled, escaped or closed.
  std::string ask(const std::string& prompt) override;

 private:
  std::string title_;
};

// The message box as a modal dialog with one "OK" button and an icon: "!" for the
// exclamation style, "i" for every other style.
class FltkMessageBox : public MessageBox {
 public:
  // Blocks until the box is closed.
  void show(const std::string& prompt, int style, const std::string& title) override;
};

}  // namespace ttt
