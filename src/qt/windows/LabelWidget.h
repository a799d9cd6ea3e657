#pragma once

#include "qt/windows/ControlWidget.h"

namespace ttt {

class Form;

// A label: its caption drawn literally at the top left of its box, wrapped at word breaks, in
// its font and colour, on its background unless it is transparent. A label that sizes itself
// keeps its top left corner. A link label shows the hand cursor and repeats its caption as a
// tooltip. A left press and release over the label clicks the control, as far as a click on
// the screen may reach it.
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
