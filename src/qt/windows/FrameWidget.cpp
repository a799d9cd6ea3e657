#include "qt/windows/FrameWidget.h"

#include "qt/accessibility/AccessibleNames.h"
#include "qt/system/Colours.h"

namespace ttt {

FrameWidget::FrameWidget(Control& control, const PlacedControl& placed, QWidget* parent)
    : QFrame(parent), control_(control) {
  setGeometry(placed.rect.x, placed.rect.y, placed.rect.width, placed.rect.height);
  setFrameStyle(QFrame::Box | QFrame::Sunken);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, qtColour(placed.layout->backColour));
  setPalette(colours);
  setAutoFillBackground(true);
  control_.setObserver(this);
  controlChanged(control_);
}

// Qt keeps the mouse from a disabled widget's children; the cells draw their own colours, so
// nothing looks greyed.
void FrameWidget::controlChanged(const Control& control) {
  setEnabled(control.enabled());
  setVisible(control.visible());
  announceName(*this, control);
}

}  // namespace ttt
