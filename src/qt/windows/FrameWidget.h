#pragma once

#include <QFrame>

#include "forms/Control.h"
#include "screens/Placement.h"

namespace ttt {

// A frame: an engraved border round its children, filled with its background. While the
// control is disabled no mouse input reaches its children, which are drawn the same.
class FrameWidget : public QFrame, public ControlObserver {
 public:
  FrameWidget(Control& control, const PlacedControl& placed, QWidget* parent);
  ~FrameWidget() override { control_.removeObserver(this); }
  FrameWidget(const FrameWidget&) = delete;
  FrameWidget& operator=(const FrameWidget&) = delete;

  Control& control() const { return control_; }

 private:
  void controlChanged(const Control& control) override;

  Control& control_;
};

}  // namespace ttt
