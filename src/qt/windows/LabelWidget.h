#pragma once

#include "qt/windows/ControlWidget.h"

namespace ttt {

class Form;

// A label: its caption drawn literally at its top left, wrapped at word breaks, in its font and
// colour, on its background unless transparent; one that sizes itself keeps its top left. A link
// shows the hand cursor and repeats its caption as a tooltip. A left click reaches the control
// as far as a click on the screen may.
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
