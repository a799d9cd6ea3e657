#pragma once

#include <string>
#include <vector>

namespace ttt {

class Control;
class Form;
class Timer;

// A member of a window that stands for widgets its layout lists, by the layout's name. The
// name is checked against the layout when the member is constructed, so a misspelt name
// fails with the window object, naming it. While the window is loaded the member reaches the
// live widget; between an unload and the next load there is none, and reaching it throws.
class Binding {
 public:
  virtual ~Binding() = default;
  Binding(const Binding&) = delete;
  Binding& operator=(const Binding&) = delete;

  const std::string& name() const { return name_; }

 protected:
  // Registers with the form, which attaches the member each time it builds its widgets.
  Binding(Form& form, std::string name);
  Form& form() const { return form_; }
  [[noreturn]] void throwNotLoaded() const;

 private:
  friend class Form;
  // The form has just built its widgets.
  virtual void attach() = 0;
  // The form is about to destroy them.
  virtual void detach() = 0;

  Form& form_;
  std::string name_;
};

// One control ("Label2") or one timer ("Timer1").
template <typename Widget>
class Bound final : public Binding {
 public:
  Bound(Form& form, std::string name);
  Widget& operator*() const;
  Widget* operator->() const { return &**this; }

 private:
  void attach() override;
  void detach() override { widget_ = nullptr; }
  Widget* widget_ = nullptr;
};

extern template class Bound<Control>;
extern template class Bound<Timer>;
using BoundControl = Bound<Control>;
using BoundTimer = Bound<Timer>;

// A control array, "S" with the elements S(0) to S(count - 1).
class BoundControlArray final : public Binding {
 public:
  BoundControlArray(Form& form, std::string name, int count);
  // Throws for an index outside the array.
  Control& operator[](int index) const;

 private:
  void attach() override;
  void detach() override { elements_.clear(); }
  int count_;
  std::vector<Control*> elements_;
};

}  // namespace ttt
