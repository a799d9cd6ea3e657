#pragma once

#include <QPushButton>

#include "forms/Control.h"
#include "screens/Placement.h"

namespace ttt {

// A push button in the classic look. Its caption's '&' marks the access key that Alt presses;
// Space and Enter press it while it has the focus.
class ButtonWidget : public QPushButton, public ControlObserver {
 public:
  ButtonWidget(Control& control, const PlacedControl& placed, QWidget* parent);
  ~ButtonWidget() override { control_.removeObserver(this); }
  ButtonWidget(const ButtonWidget&) = delete;
  ButtonWidget& operator=(const ButtonWidget&) = delete;

  Control& control() const { return control_; }
  int tabOrder() const { return tabOrder_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void controlChanged(const Control& control) override;

  Control& control_;
  int tabOrder_;
};

}  // namespace ttt
