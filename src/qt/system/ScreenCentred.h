#pragma once

#include <QScreen>
#include <QShowEvent>

namespace ttt {

// A window that opens in the middle of its screen's work area once it knows its size (a message
// box learns it only as it is shown). On Wayland the compositor places windows instead.
template <typename Box>
class ScreenCentred : public Box {
 public:
  using Box::Box;

 protected:
  void showEvent(QShowEvent* event) override {
    Box::showEvent(event);
    if (const QScreen* screen = this->screen()) {
      const QRect area = screen->availableGeometry();
      this->move(area.x() + (area.width() - this->width()) / 2,
                 area.y() + (area.height() - this->height()) / 2);
    }
  }
};

}  // namespace ttt
