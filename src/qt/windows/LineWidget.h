#pragma once

#include <QWidget>

#include "forms/Control.h"
#include "screens/Placement.h"

namespace ttt {

// A straight line of the layout's width and colour, with square ends, drawn at the device's
// resolution. It takes no input: clicks go through to what lies below.
class LineWidget : public QWidget, public ControlObserver {
 public:
  LineWidget(Control& control, const PlacedControl& placed, QWidget* parent);
  ~LineWidget() override { control_.removeObserver(this); }
  LineWidget(const LineWidget&) = delete;
  LineWidget& operator=(const LineWidget&) = delete;

  Control& control() const { return control_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void controlChanged(const Control& control) override;

  Control& control_;
  PixelLine line_;  // relative to the widget
};

}  // namespace ttt
