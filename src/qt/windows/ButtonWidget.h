#pragma once

#include <QPushButton>

#include "qt/windows/ControlWidget.h"

namespace ttt {

// A push button in the classic look, with its access key; Space and Enter press it.
class ButtonWidget : public ControlWidget<QPushButton> {
 public:
  ButtonWidget(Control& control, const PlacedControl& placed, QWidget* parent);
  int tabOrder() const { return tabOrder_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void controlChanged(const Control& control) override;

  int tabOrder_;
};

}  // namespace ttt
