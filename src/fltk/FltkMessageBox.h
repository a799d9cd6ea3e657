#pragma once

#include <string>

#include "forms/Services.h"

namespace ttt {

// The message box as a modal dialog with one "OK" button and an icon: "!" for the
// exclamation style, "i" for every other style.
class FltkMessageBox : public MessageBox {
 public:
  // Blocks until the box is closed.
  void show(const std::string& prompt, int style, const std::string& title) override;
};

}  // namespace ttt
