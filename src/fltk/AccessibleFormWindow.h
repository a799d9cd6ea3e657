#pragma once

#include <memory>
#include <string>

#include "fltk/AccessibleWidget.h"

namespace ttt {

class WindowView;

// A form's window as a screen reader sees it: a frame named by its caption, holding the
// objects of the form's accessible description in its reading order, the cells inside the
// board.
class AccessibleFormWindow : public AccessibleWidget {
 public:
  explicit AccessibleFormWindow(WindowView& window);

  void addStates(AtkStateSet* states) const override;

 protected:
  std::string currentName() const override;
};

}  // namespace ttt
