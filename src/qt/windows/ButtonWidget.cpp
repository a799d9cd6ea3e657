#include "qt/windows/ButtonWidget.h"

#include <QAccessible>
#include <QKeyEvent>

#include "qt/accessibility/AccessibleWidgets.h"
#include "qt/system/ClassicLook.h"
#include "screens/CaptionMarkup.h"

namespace ttt {

ButtonWidget::ButtonWidget(Control& control, const PlacedControl& placed, QWidget* parent)
    : ControlWidget(control, placed, parent), tabOrder_(placed.tabOrder) {
  const ControlLayout& layout = *placed.layout;
  setFont(qtFont(layout.font, placed.fontPixels));
  QPalette colours = palette();
  colours.setColor(QPalette::Button, qtColour(layout.backColour));
  colours.setColor(QPalette::ButtonText, qtColour(layout.foreColour));
  setPalette(colours);
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QPushButton::clicked, this, [this] { this->control().click(); });
  attach();
}

// Qt reads '&' itself: the shared parse is written back for it.
void ButtonWidget::controlChanged(const Control& control) {
  setText(QString::fromStdString(mnemonicCaption(parseCaption(control.caption()))));
  setVisible(control.visible());
  setEnabled(control.enabled());
  announceName(*this, control);
}

// Outside a dialog Qt presses a button only on Space; here Enter presses it too. While a screen
// reader listens, the keypad's Enter is its own ("where am I"), even if it slips through.
void ButtonWidget::keyPressEvent(QKeyEvent* event) {
  const bool keypadEnter = event->key() == Qt::Key_Enter && !QAccessible::isActive();
  const bool enter = event->key() == Qt::Key_Return || keypadEnter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace ttt
