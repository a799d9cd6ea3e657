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

void Control::checkLoaded() const { form_.requireLoaded(name_); }

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
