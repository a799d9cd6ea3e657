#include "qt/windows/ButtonWidget.h"

#include <QKeyEvent>

#include "qt/accessibility/AccessibleWidgets.h"
#include "qt/system/ClassicLook.h"
#include "screens/text/CaptionMarkup.h"

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
