#include "qt/windows/FrameWidget.h"

#include "qt/accessibility/AccessibleWidgets.h"
#include "qt/system/ClassicLook.h"

namespace ttt {

FrameWidget::FrameWidget(Control& control, const PlacedControl& placed, QWidget* parent)
    : ControlWidget(control, placed, parent) {
  setFrameStyle(QFrame::Box | QFrame::Sunken);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, qtColour(placed.layout->backColour));
  setPalette(colours);
  setAutoFillBackground(true);
  watch();
}

void FrameWidget::controlChanged(const Control& control) {
  setEnabled(control.enabled());
  setVisible(control.visible());
  announceName(*this, control);
}

}  // namespace ttt
