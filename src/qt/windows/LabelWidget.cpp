#include "qt/windows/LabelWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "forms/ClickReach.h"
#include "qt/accessibility/AccessibleWidgets.h"
#include "qt/system/ArtImages.h"
#include "qt/system/ClassicLook.h"

namespace ttt {

LabelWidget::LabelWidget(Form& form, Control& control, const PlacedControl& placed, QWidget* parent)
    : ControlWidget(control, placed, parent), form_(form), layout_(*placed.layout) {
  setFont(qtFont(layout_.font, placed.fontPixels));
  setAttribute(Qt::WA_OpaquePaintEvent, layout_.opaque);
  if (layout_.link) setCursor(handCursor(devicePixelRatioF()));
  watch();
}

void LabelWidget::controlChanged(const Control& control) {
  text_ = QString::fromStdString(control.caption());
  if (layout_.autoSize) resize(fontMetrics().size(Qt::TextSingleLine, text_));
  if (layout_.link) setToolTip(text_);
  setVisible(control.visible());
  setEnabled(control.enabled());
  announceName(*this, control);
  update();
}

void LabelWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (layout_.opaque) painter.fillRect(rect(), qtColour(layout_.backColour));
  painter.setPen(qtColour(layout_.foreColour));
  // Names may hold '&': the text is drawn as it stands.
  painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text_);
}

// As on Windows, a click is a press and a release over the same label.
void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    clickAsOnScreen(form_, control());
}

}  // namespace ttt
