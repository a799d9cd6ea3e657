#include "qt/accessibility/AccessibleNames.h"

#include <QWidget>

#include "forms/Control.h"
#include "qt/accessibility/Announcer.h"
#include "screens/AccessibleText.h"
#include "screens/Announcements.h"

namespace ttt {

void announceName(QWidget& widget, const Control& control) {
  const QString name = QString::fromStdString(accessibleName(control.layout(), control.caption()));
  if (widget.accessibleName() == name) return;
  widget.setAccessibleName(name);
  // Orca speaks no name change but the focused object's, so a mark or a score is announced
  // on its own. A window that is being loaded is not on screen yet: nobody has just placed
  // what its load resets.
  QWidget& window = *widget.window();
  if (!window.isVisible()) return;
  if (const auto spoken = announcement(control.layout(), control.caption()))
    Announcer::of(window).announce(QString::fromStdString(*spoken));
}

}  // namespace ttt
