#pragma once

#include <QObject>

namespace ttt {

// Keeps every window of fixed size (minimum equal to maximum) at that size: its hints offer no
// resize, and a resize from another client, which no window manager may be there to refuse, is
// undone.
class FixedSizeGuard : public QObject {
 public:
  FixedSizeGuard();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ttt
