#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

namespace ttt {

// Holds every window of the program against what the window manager and other clients may do.
// A window of fixed size (minimum equal to maximum) is offered for moving and closing only,
// and a resize from outside, which no window manager may be there to refuse, is undone. A
// window another X client destroys is closed as by its close box: a box is answered as
// cancelled, a form asked to close, so that the program never waits on a window that is gone.
class WindowGuard : public QObject, public QAbstractNativeEventFilter {
 public:
  WindowGuard();
  ~WindowGuard() override;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ttt
