#include "qt/app/Toolkit.h"

#include <QApplication>
#include <QStyleFactory>

#include "cli/ProgramIdentity.h"
#include "qt/accessibility/AccessibleWidgets.h"
#include "qt/accessibility/KeypadPassThrough.h"
#include "qt/system/ClassicLook.h"
#include "screens/layouts/Placement.h"
#include "screens/layouts/ScreenStyle.h"

namespace ttt {

void styleApplication(QApplication& application) {
  // The class of every X11 window and the Wayland application id the desktop entry names.
  QApplication::setApplicationName(QString::fromLatin1(kWindowClass));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
  application.setStyle(QStyleFactory::create(QStringLiteral("Windows")));
  QApplication::setPalette(classicPalette());
  installAccessibleWidgets();
  passKeypadDigitsToGameWindows();
  QApplication::setFont(qtFont(kSansRegular8, pointsToPixels(kSansRegular8.points, 96)));
}

}  // namespace ttt
