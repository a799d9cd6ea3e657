#include "qt/accessibility/AccessibleNames.h"

#include <QWidget>

#include "forms/Control.h"
#include "screens/AccessibleText.h"

namespace ttt {

void announceName(QWidget& widget, const Control& control) {
  const QString name = QString::fromStdString(accessibleName(control.layout(), control.caption()));
  if (widget.accessibleName() != name) widget.setAccessibleName(name);
}

}  // namespace ttt
