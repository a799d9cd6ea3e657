#pragma once

#include "qt/windows/ControlWidget.h"

namespace ttt {

class Form;

// A label: its caption drawn literally, wrapped at word breaks, on its background unless
// transparent. A link shows the hand cursor and its caption as a tooltip.
class LabelWidget : public ControlWidget<QWidget> {
 public:
  LabelWidget(Form& form, Control& control, const PlacedControl& placed, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Taking the press makes the release come here, wherever the pointer is by then.
  void mousePressEvent(QMouseEvent* /*event*/) override {}
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void controlChanged(const Control& control) override;

  Form& form_;
  const ControlLayout& layout_;
  QString text_;
};

}  // namespace ttt
