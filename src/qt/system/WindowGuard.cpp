#include "qt/system/WindowGuard.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include "qt/app/ProgramMessages.h"
#include "qt/system/X11Hints.h"

namespace ttt {

constexpr Qt::WindowStates kLarge = Qt::WindowFullScreen | Qt::WindowMaximized;

WindowGuard::WindowGuard() {
  qApp->installEventFilter(this);
  qApp->installNativeEventFilter(this);
}

WindowGuard::~WindowGuard() { qApp->removeNativeEventFilter(this); }

bool WindowGuard::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool shown = type == QEvent::Show;
  const bool stateChanged = type == QEvent::WindowStateChange;
  if ((!shown && !stateChanged && type != QEvent::Resize) || !watched->isWidgetType()) return false;
  auto* window = static_cast<QWidget*>(watched);
  const QSize fixed = window->minimumSize();
  if (!window->isWindow() || fixed != window->maximumSize()) return false;
  // Made fullscreen or maximised from outside: the state comes back as well as the size.
  if (stateChanged && (window->windowState() & kLarge)) {
    const auto restore = [window] { window->setWindowState(window->windowState() & ~kLarge); };
    QMetaObject::invokeMethod(window, restore, Qt::QueuedConnection);
  }
  if (shown) {
    offerOnlyMoveAndClose(*window);
    if (window->windowType() == Qt::Dialog) typeAsDialogOnly(*window);
  }
  // Undone once Qt has finished with the event; a window deleted by then takes the call along.
  if (window->size() != fixed) {
    QMetaObject::invokeMethod(
        window,
        [window, fixed] {
          if (QWindow* handle = window->windowHandle()) handle->resize(fixed);
          window->resize(fixed);
        },
        Qt::QueuedConnection);
  }
  return false;
}

bool WindowGuard::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if (event->response_type == 0) {
    const auto* error = static_cast<const xcb_generic_error_t*>(message);
    reportProtocolError(error->error_code, error->major_code, error->resource_id);
    return true;
  }
  if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY) return false;
  const xcb_window_t gone = static_cast<const xcb_destroy_notify_event_t*>(message)->window;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    // A dialog's close rejects it; a form's asks the form.
    if (window->internalWinId() == gone && window->isVisible())
      QMetaObject::invokeMethod(
          window, [window] { window->QWidget::close(); }, Qt::QueuedConnection);
  }
  return false;
}

}  // namespace ttt
