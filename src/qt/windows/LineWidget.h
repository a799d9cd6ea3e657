#pragma once

#include "qt/windows/ControlWidget.h"

namespace ttt {

// A straight line with square ends, drawn at the device's resolution; clicks go through it.
class LineWidget : public ControlWidget<QWidget> {
 public:
  LineWidget(Control& control, const PlacedControl& placed, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void controlChanged(const Control& control) override { setVisible(control.visible()); }

  PixelLine line_;  // relative to the widget
};

}  // namespace ttt
