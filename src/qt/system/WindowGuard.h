#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

namespace ttt {

// Holds the windows against the window manager and other clients: a fixed-size window is offered
// for moving and closing only, and an outside resize is undone; a window another X client
// destroys is closed as by its close box; X protocol errors are said, not fatal.
class WindowGuard : public QObject, public QAbstractNativeEventFilter {
 public:
  WindowGuard();
  ~WindowGuard() override;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ttt
