#include "qt/system/DestroyedWindowWatch.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace ttt {

namespace {

QWidget* windowWithId(xcb_window_t id) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->internalWinId() == id) return window;
  }
  return nullptr;
}

}  // namespace

DestroyedWindowWatch::DestroyedWindowWatch() { qApp->installNativeEventFilter(this); }

DestroyedWindowWatch::~DestroyedWindowWatch() { qApp->removeNativeEventFilter(this); }

bool DestroyedWindowWatch::nativeEventFilter(const QByteArray& eventType, void* message,
                                             qintptr* /*result*/) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY) return false;
  const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
  QWidget* window = windowWithId(destroyed->window);
  if (window == nullptr || !window->isVisible()) return false;
  // Closed once Qt has finished with the event; a dialog's close rejects it.
  QMetaObject::invokeMethod(
      window,
      [guarded = QPointer<QWidget>(window)] {
        if (guarded != nullptr) guarded->QWidget::close();
      },
      Qt::QueuedConnection);
  return false;
}

}  // namespace ttt
