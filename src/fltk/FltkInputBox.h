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

}  // namespace ttt
