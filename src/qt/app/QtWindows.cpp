#include "qt/app/QtWindows.h"

#include <QCoreApplication>

#include "qt/windows/FormWidget.h"

namespace ttt {

QtWindows::QtWindows() : WindowRegistry(static_cast<WindowToolkit&>(*this)) {
  pass_.setSingleShot(true);
  pass_.setTimerType(Qt::PreciseTimer);
  pass_.setInterval(1);  // the toolkit's shortest timeout: one pass per millisecond
  QObject::connect(&pass_, &QTimer::timeout, [this] { timeout(); });
}

std::unique_ptr<FormWindow> QtWindows::createWindow(Form& form) {
  return std::make_unique<FormWidget>(form);
}

// Qt deletes the window when the loop that asked runs again, with no handler of it on the stack.
// If no window is open by then, the handler that closed the last one has returned: the end.
void QtWindows::destroyLater(std::unique_ptr<FormWindow> window) {
  auto* widget = static_cast<FormWidget*>(window.release());
  QObject::connect(widget, &QObject::destroyed, &pass_, [this] {
    if (windowsInShownOrder().empty()) QCoreApplication::quit();
  });
  widget->deleteLater();
}

void QtWindows::requestTimeout() { pass_.start(); }

}  // namespace ttt
