#include "forms/Bindings.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <type_traits>
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

// What a single bound member checks at construction and finds once the form is loaded.
void require(const FormLayout& layout, const std::string& name, std::type_identity<Control>) {
  requireControl(layout, name);
}
void require(const FormLayout& layout, const std::string& name, std::type_identity<Timer>) {
  if (std::ranges::find(layout.timers, name, &TimerLayout::name) == layout.timers.end()) {
    throw std::logic_error(layout.name + " has no timer " + name);
  }
}
Control& lookUp(Form& form, const std::string& name, std::type_identity<Control>) {
  return form.control(name);
}
Timer& lookUp(Form& form, const std::string& name, std::type_identity<Timer>) {
  return form.timer(name);
}

}  // namespace

Binding::Binding(Form& form, std::string name) : form_(form), name_(std::move(name)) {
  form_.bind(*this);
}

void Binding::throwNotLoaded() const {
  throw std::logic_error(form_.name() + " is not loaded: it has no " + name_);
}

template <typename Widget>
Bound<Widget>::Bound(Form& form, std::string name) : Binding(form, std::move(name)) {
  require(form.layout(), this->name(), std::type_identity<Widget>{});
}

template <typename Widget>
Widget& Bound<Widget>::operator*() const {
  if (widget_ == nullptr) throwNotLoaded();
  return *widget_;
}

template <typename Widget>
void Bound<Widget>::attach() {
  widget_ = &lookUp(form(), name(), std::type_identity<Widget>{});
}

template class Bound<Control>;
template class Bound<Timer>;

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

}  // namespace ttt
