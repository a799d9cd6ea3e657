#pragma once

#include <string>
#include <utility>

#include "fltk/Scale.h"
#include "forms/Services.h"

namespace ttt {

// The input box as a modal name dialog under the application's title, at the given scale.
class FltkInputBox : public InputBox {
 public:
  FltkInputBox(std::string title, Scale scale) : title_(std::move(title)), scale_(scale) {}

  // Blocks until the box is closed; "" when it is cancelled, escaped or closed.
  std::string ask(const std::string& prompt) override;

 private:
  std::string title_;
  Scale scale_;
};

// The message box as a modal dialog with one "OK" button and an icon: "!" for the
// exclamation style, "i" for every other style; at the given scale.
class FltkMessageBox : public MessageBox {
 public:
  explicit FltkMessageBox(Scale scale) : scale_(scale) {}

  // Blocks until the box is closed.
  void show(const std::string& prompt, int style, const std::string& title) override;

 private:
  Scale scale_;
};

}  // namespace ttt
