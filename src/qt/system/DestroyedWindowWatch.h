#pragma once

#include <QAbstractNativeEventFilter>

namespace ttt {

// Another X client may destroy one of the program's windows. That window is then closed as by
// its close box: a box is answered as cancelled, a form asked to close, so that the program
// goes on as the player would have it, never waiting on a window that is not there.
class DestroyedWindowWatch : public QAbstractNativeEventFilter {
 public:
  DestroyedWindowWatch();
  ~DestroyedWindowWatch() override;
  DestroyedWindowWatch(const DestroyedWindowWatch&) = delete;
  DestroyedWindowWatch& operator=(const DestroyedWindowWatch&) = delete;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
};

}  // namespace ttt
