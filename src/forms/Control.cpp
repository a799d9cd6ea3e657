#include "forms/Control.h"

#include <utility>

namespace ttt {

Control::Control(const ControlLayout& layout)
    : layout_(layout),
      name_(layout.fullName()),
      caption_(layout.caption),
      visible_(layout.visible),
      enabled_(layout.enabled) {}

void Control::setCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  notify();
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  notify();
}

void Control::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  notify();
}

void Control::notify() {
  if (observer_) observer_(*this);
}

}  // namespace ttt
