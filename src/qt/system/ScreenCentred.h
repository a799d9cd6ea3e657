#pragma once

#include <QScreen>
#include <QShowEvent>

namespace ttt {

// A window centred on its screen's work area as it is shown, when it knows its size. On Wayland
// the compositor places it instead.
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
