#include "qt/system/FixedSizeGuard.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "qt/system/X11Hints.h"

namespace ttt {

FixedSizeGuard::FixedSizeGuard() { qApp->installEventFilter(this); }

bool FixedSizeGuard::eventFilter(QObject* watched, QEvent* event) {
  const bool shown = event->type() == QEvent::Show;
  if ((!shown && event->type() != QEvent::Resize) || !watched->isWidgetType()) return false;
  auto* window = static_cast<QWidget*>(watched);
  const QSize fixed = window->minimumSize();
  if (!window->isWindow() || fixed != window->maximumSize()) return false;
  if (shown) offerOnlyMoveAndClose(*window);
  if (window->size() == fixed) return false;
  // Once Qt has taken the new size in, the old one is asked for again.
  QMetaObject::invokeMethod(
      window,
      [guarded = QPointer<QWidget>(window), fixed] {
        if (guarded == nullptr) return;
        if (QWindow* handle = guarded->windowHandle()) handle->resize(fixed);
        guarded->resize(fixed);
      },
      Qt::QueuedConnection);
  return false;
}

}  // namespace ttt
