#pragma once

#include <string>

#include "fltk/Scale.h"
#include "forms/Services.h"

namespace ttt {

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
