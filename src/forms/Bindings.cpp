#include "forms/Bindings.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <utility>

#include "forms/Form.h"

namespace ttt {
namespace {

// Throws, naming the control, unless the layout lists it: a control array's element when
// index >= 0, a single control otherwise.
void requireControl(const FormLayout& layout, const std::string& name, int index = -1) {
  const auto listed = [&](const ControlLayout& control) {
    return control.name == name && control.index == index;
  };
  if (std::ranges::none_of(layout.controls, listed)) {
    const std::string fullName = index < 0 ? name : name + "(" + std::to_string(index) + ")";
    throw std::logic_error(layout.name + " has no control " + fullName);
  }
}

void requireTimer(const FormLayout& layout, const std::string& name) {
  if (std::ranges::find(layout.timers, name, &TimerLayout::name) == layout.timers.end()) {
    throw std::logic_error(layout.name + " has no timer " + name);
  }
}

}  // namespace

Binding::Binding(Form& form, std::string name) : form_(form), name_(std::move(name)) {
  form_.bind(*this);
}

void Binding::throwNotLoaded() const {
  throw std::logic_error(form_.name() + " is not loaded: it has no " + name_);
}

BoundControl::BoundControl(Form& form, std::string name) : Binding(form, std::move(name)) {
  requireControl(form.layout(), this->name());
}

Control& BoundControl::operator*() const {
  if (control_ == nullptr) throwNotLoaded();
  return *control_;
}

void BoundControl::attach() { control_ = &form().control(name()); }

BoundControlArray::BoundControlArray(Form& form, std::string name, int count)
    : Binding(form, std::move(name)), count_(count) {
  for (int index = 0; index < count_; ++index) requireControl(form.layout(), this->name(), index);
}

Control& BoundControlArray::operator[](int index) const {
  if (elements_.empty()) throwNotLoaded();
  return *elements_.at(static_cast<std::size_t>(index));
}

void BoundControlArray::attach() {
  elements_.clear();
  for (int index = 0; index < count_; ++index) {
    elements_.push_back(&form().control(name(), index));
  }
}

BoundTimer::BoundTimer(Form& form, std::string name) : Binding(form, std::move(name)) {
  requireTimer(form.layout(), this->name());
}

Timer& BoundTimer::operator*() const {
  if (timer_ == nullptr) throwNotLoaded();
  return *timer_;
}

void BoundTimer::attach() { timer_ = &form().timer(name()); }

}  // namespace ttt
