#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "forms/Layout.h"

namespace ttt {

class Control;
class Form;

// What shows a control on screen; it hears of every change at once.
class ControlObserver {
 public:
  virtual void controlChanged(const Control& control) = 0;

 protected:
  ~ControlObserver() = default;
};

// A widget of a window as plain state. It lives as long as its form; loading the form puts
// every value back as the layout has it. While the form is not loaded, reaching the state
// throws, as the widget of an unloaded window does not exist.
class Control {
 public:
  Control(Form& form, const ControlLayout& layout);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlLayout& layout() const { return layout_; }
  const std::string& name() const { return name_; }  // "S(4)" for an array element

  const std::string& caption() const { return requireLoaded(caption_); }
  void setCaption(std::string caption) { assign(caption_, std::move(caption)); }
  bool visible() const { return requireLoaded(visible_); }
  void setVisible(bool visible) { assign(visible_, visible); }
  bool enabled() const { return requireLoaded(enabled_); }
  void setEnabled(bool enabled) { assign(enabled_, enabled); }

  // The window's handler of a click on this control.
  void onClick(std::function<void()> handler) { clickHandler_ = std::move(handler); }
  // A click, from the mouse or a key that stands for one: runs the handler unless the form
  // is not loaded or one of its handlers is still running (inside a modal dialog).
  void click();

  void setObserver(ControlObserver* observer) { observer_ = observer; }
  // Only the observer still set is removed: a window closed earlier may go after a new one.
  void removeObserver(const ControlObserver* observer);

 private:
  friend class Form;
  void reset();  // the values at load, telling no one: no window shows them yet
  // The value, once the form is checked to be loaded.
  template <typename Value>
  const Value& requireLoaded(const Value& value) const;
  // Sets the value and tells the observer and the form, when it changes.
  template <typename Value>
  void assign(Value& field, Value value);
  void checkLoaded() const;
  void changed();

  Form& form_;
  const ControlLayout& layout_;
  std::string name_;
  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  std::function<void()> clickHandler_;
  ControlObserver* observer_ = nullptr;
};

// A control array's elements, S(0) to S(count - 1).
class ControlArray {
 public:
  explicit ControlArray(std::vector<Control*> elements) : elements_(std::move(elements)) {}
  Control& operator[](int index) const { return *elements_.at(static_cast<std::size_t>(index)); }
  int size() const { return static_cast<int>(elements_.size()); }

 private:
  std::vector<Control*> elements_;
};

template <typename Value>
const Value& Control::requireLoaded(const Value& value) const {
  checkLoaded();
  return value;
}

template <typename Value>
void Control::assign(Value& field, Value value) {
  checkLoaded();
  if (value == field) return;
  field = std::move(value);
  changed();
}

}  // namespace ttt
