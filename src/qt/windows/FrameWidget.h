#pragma once

#include <QFrame>

#include "qt/windows/ControlWidget.h"

namespace ttt {

// A frame: an engraved border round its children, filled with its background. Disabled, it
// takes clicks from its children, which still look the same.
class FrameWidget : public ControlWidget<QFrame> {
 public:
  FrameWidget(Control& control, const PlacedControl& placed, QWidget* parent);

 private:
  void controlChanged(const Control& control) override;
};

}  // namespace ttt
