#pragma once

#include <QWidget>

#include "forms/Control.h"
#include "screens/layouts/Placement.h"

namespace ttt {

// Ties a widget to its control, which it follows until its window closes.
class ControlLink : public ControlObserver {
 public:
  explicit ControlLink(Control& control) : control_(control) {}
  Control& control() const { return control_; }
  // Shows the control as it is now, and from then on every change of it.
  void attach() {
    control_.setObserver(this);
    controlChanged(control_);
  }
  // Once the window has closed, the control may go before the widget.
  void detach() {
    if (attached_) control_.removeObserver(this);
    attached_ = false;
  }

 private:
  Control& control_;
  bool attached_ = true;
};

// A Qt widget that shows one control of a window, at its placed rectangle.
template <typename Widget>
class ControlWidget : public Widget, public ControlLink {
 public:
  ControlWidget(Control& control, const PlacedControl& placed, QWidget* parent)
      : Widget(parent), ControlLink(control) {
    this->setGeometry(placed.rect.x, placed.rect.y, placed.rect.width, placed.rect.height);
  }
  ~ControlWidget() override { detach(); }
};

}  // namespace ttt
