#include "screens/CellKeyPress.h"

#include <string>

#include "forms/Form.h"
#include "screens/BoardLayout.h"

namespace ttt {

namespace {

const Control* findControl(const Form& form, const std::string& fullName) {
  for (const auto& control : form.controls()) {
    if (control->name() == fullName) return control.get();
  }
  return nullptr;
}

// A disabled or hidden control takes no mouse input, and neither does anything inside a
// disabled or hidden frame.
bool takesClicks(const Form& form, const Control& control) {
  const Control* current = &control;
  for (std::size_t depth = 0; current != nullptr && depth <= form.controls().size(); ++depth) {
    if (!current->visible() || !current->enabled()) return false;
    const std::string& container = current->layout().container;
    if (container.empty()) return true;
    current = findControl(form, container);
  }
  return false;
}

}  // namespace

bool pressCellKey(Form& form, CellKey key) {
  const auto cell = cellForKey(key);
  if (!cell || !form.isLoaded()) return false;
  const std::string name = std::string(kCellArrayName) + "(" + std::to_string(*cell) + ")";
  const Control* control = findControl(form, name);
  if (control == nullptr) return false;
  if (takesClicks(form, *control)) form.click(name);
  return true;
}

}  // namespace ttt
