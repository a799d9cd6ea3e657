#pragma once

#include <QWidget>

#include "forms/Control.h"
#include "screens/Placement.h"

namespace ttt {

// A Qt widget that shows one control of a window, at its placed rectangle: it hears of every
// change of the control at once, and reports input to it.
template <typename Widget>
class ControlWidget : public Widget, public ControlObserver {
 public:
  ControlWidget(Control& control, const PlacedControl& placed, QWidget* parent)
      : Widget(parent), control_(control) {
    this->setGeometry(placed.rect.x, placed.rect.y, placed.rect.width, placed.rect.height);
  }
  // A window closed earlier may go after a new one: only the observer still set is removed.
  ~ControlWidget() override { control_.removeObserver(this); }
  Control& control() const { return control_; }

 protected:
  // Shows the control as it is now, and from then on every change of it.
  void watch() {
    control_.setObserver(this);
    controlChanged(control_);
  }

 private:
  Control& control_;
};

}  // namespace ttt
