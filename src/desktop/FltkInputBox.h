#pragma once

#include <string>

#include "forms/Services.h"

namespace ttt {

// The input box as the toolkit's modal text dialog, titled with the application's title.
class FltkInputBox : public InputBox {
 public:
  // Blocks until the box is closed; "" when it is cancelled, escaped or closed.
  std::string ask(const std::string& prompt) override;
};

}  // namespace ttt
