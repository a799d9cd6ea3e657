#include "forms/Control.h"

#include <utility>

#include "forms/Form.h"

namespace ttt {

Control::Control(Form& form, const ControlLayout& layout)
    : form_(form), layout_(layout), name_(layout.fullName()) {
  reset();
}

void Control::reset() {
  caption_ = layout_.caption;
  visible_ = layout_.visible;
  enabled_ = layout_.enabled;
  observer_ = nullptr;
}

void Control::requireLoaded() const { form_.requireLoaded(name_); }

const std::string& Control::caption() const {
  requireLoaded();
  return caption_;
}

bool Control::visible() const {
  requireLoaded();
  return visible_;
}

bool Control::enabled() const {
  requireLoaded();
  return enabled_;
}

void Control::setCaption(std::string caption) {
  requireLoaded();
  if (caption == caption_) return;
  caption_ = std::move(caption);
  changed();
}

void Control::setVisible(bool visible) {
  requireLoaded();
  if (visible == visible_) return;
  visible_ = visible;
  changed();
}

void Control::setEnabled(bool enabled) {
  requireLoaded();
  if (enabled == enabled_) return;
  enabled_ = enabled;
  changed();
}

void Control::click() {
  if (clickHandler_) form_.runHandler(clickHandler_);
}

void Control::removeObserver(const ControlObserver* observer) {
  if (observer_ == observer) observer_ = nullptr;
}

void Control::changed() {
  if (observer_ != nullptr) observer_->controlChanged(*this);
  form_.controlChanged(*this);
}

}  // namespace ttt
