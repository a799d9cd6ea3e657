#include "qt/windows/LabelWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "forms/ClickReach.h"
#include "qt/accessibility/AccessibleNames.h"
#include "qt/system/ArtImages.h"
#include "qt/system/Colours.h"
#include "qt/system/Fonts.h"

namespace ttt {

namespace {
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
}

LabelWidget::LabelWidget(Form& form, Control& control, const PlacedControl& placed,
                         QWidget* parent)
    : QWidget(parent), form_(form), control_(control), layout_(*placed.layout) {
  setGeometry(placed.rect.x, placed.rect.y, placed.rect.width, placed.rect.height);
  setFont(qtFont(layout_.font, placed.fontPixels));
  setAttribute(Qt::WA_OpaquePaintEvent, layout_.opaque);
  if (layout_.link) setCursor(handCursor(devicePixelRatioF()));
  control_.setObserver(this);
  controlChanged(control_);
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
  painter.drawText(rect(), kTextFlags, text_);
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

// As on Windows, a click is a press and a release over the same label.
void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) clickAsOnScreen(form_, control_);
}

}  // namespace ttt
