#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

namespace ttt {

// Holds the windows against what the window manager and other clients may do. A window of fixed
// size is offered for moving and closing only, and a resize from outside (no window manager may
// be there to refuse it) is undone. A window another X client destroys is closed as by its close
// box: a box cancelled, a form asked to close. X protocol errors are said on one line each.
class WindowGuard : public QObject, public QAbstractNativeEventFilter {
 public:
  WindowGuard();
  ~WindowGuard() override;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ttt
