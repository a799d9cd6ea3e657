#include "qt/windows/ButtonWidget.h"

#include <QKeyEvent>

#include "qt/accessibility/AccessibleNames.h"
#include "qt/system/Colours.h"
#include "qt/system/Fonts.h"
#include "qt/windows/Mnemonic.h"

namespace ttt {

ButtonWidget::ButtonWidget(Control& control, const PlacedControl& placed, QWidget* parent)
    : QPushButton(parent), control_(control), tabOrder_(placed.tabOrder) {
  const ControlLayout& layout = *placed.layout;
  setGeometry(placed.rect.x, placed.rect.y, placed.rect.width, placed.rect.height);
  setFont(qtFont(layout.font, placed.fontPixels));
  QPalette colours = palette();
  colours.setColor(QPalette::Button, qtColour(layout.backColour));
  colours.setColor(QPalette::ButtonText, qtColour(layout.foreColour));
  setPalette(colours);
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QPushButton::clicked, this, [this] { control_.click(); });
  control_.setObserver(this);
  controlChanged(control_);
}

void ButtonWidget::controlChanged(const Control& control) {
  setText(qtMnemonic(control.caption()));
  setVisible(control.visible());
  setEnabled(control.enabled());
  announceName(*this, control);
}

// Outside a dialog Qt presses a button only on Space; here Enter presses it too.
void ButtonWidget::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace ttt
