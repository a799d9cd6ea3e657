#pragma once

#include <string>

#include "fltk/AccessibleWidget.h"

namespace ttt {

class DialogWindow;

// A modal box as a screen reader sees it: the name box as a dialog, the result and contact
// boxes as alerts, named by their title, described by their prompt, and holding the prompt
// as a label, the name field as an entry and the buttons.
class AccessibleDialog : public AccessibleWidget {
 public:
  explicit AccessibleDialog(DialogWindow& dialog);

 protected:
  std::string currentName() const override;
  std::string currentDescription() const override { return prompt_; }

 private:
  std::string prompt_;
};

}  // namespace ttt
