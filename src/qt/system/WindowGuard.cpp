#include "qt/system/WindowGuard.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "qt/system/X11Hints.h"

namespace ttt {

namespace {

// Runs the action on the window once Qt has finished with the event at hand.
template <typename Action>
void later(QWidget* window, Action action) {
  QMetaObject::invokeMethod(
      window,
      [guarded = QPointer<QWidget>(window), action] {
        if (guarded) action(*guarded);
      },
      Qt::QueuedConnection);
}

}  // namespace

WindowGuard::WindowGuard() {
  qApp->installEventFilter(this);
  qApp->installNativeEventFilter(this);
}

WindowGuard::~WindowGuard() { qApp->removeNativeEventFilter(this); }

bool WindowGuard::eventFilter(QObject* watched, QEvent* event) {
  const bool shown = event->type() == QEvent::Show;
  if ((!shown && event->type() != QEvent::Resize) || !watched->isWidgetType()) return false;
  auto* window = static_cast<QWidget*>(watched);
  const QSize fixed = window->minimumSize();
  if (!window->isWindow() || fixed != window->maximumSize()) return false;
  if (shown) {
    offerOnlyMoveAndClose(*window);
    if (window->windowType() == Qt::Dialog) typeAsDialogOnly(*window);
  }
  if (window->size() != fixed) {
    later(window, [fixed](QWidget& resized) {
      if (QWindow* handle = resized.windowHandle()) handle->resize(fixed);
      resized.resize(fixed);
    });
  }
  return false;
}

bool WindowGuard::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY) return false;
  const xcb_window_t gone = static_cast<const xcb_destroy_notify_event_t*>(message)->window;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    // A dialog's close rejects it; a form's asks the form.
    if (window->internalWinId() == gone && window->isVisible())
      later(window, [](QWidget& destroyed) { destroyed.QWidget::close(); });
  }
  return false;
}

}  // namespace ttt
