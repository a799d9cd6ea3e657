#pragma once

#include <memory>
#include <string>

#include "fltk/AccessibleWidget.h"

namespace ttt {

class WindowView;

// A form's window as a screen reader sees it: a frame named by its caption, holding its
// buttons, labels and the board, in tab order (the cells in reading order); the lines and
// the hidden labels, which hold the game's own counters, are left out.
class AccessibleFormWindow : public AccessibleWidget {
 public:
  explicit AccessibleFormWindow(WindowView& window);

  void addStates(AtkStateSet* states) const override;

 protected:
  std::string currentName() const override;
};

}  // namespace ttt
