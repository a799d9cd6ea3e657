#pragma once

#include <string>

#include "forms/Services.h"

namespace ttt {

// The message box as the toolkit's modal alert ("!" icon, for the exclamation style) or
// message ("i" icon, for every other style), with one "OK" button.
class FltkMessageBox : public MessageBox {
 public:
  // Blocks until the box is closed.
  void show(const std::string& prompt, int style, const std::string& title) override;
};

}  // namespace ttt
