#include "forms/ClickReach.h"

#include <string>

#include "forms/Form.h"

namespace ttt {

const Control* findLoadedControl(const Form& form, std::string_view fullName) {
  if (!form.isLoaded()) return nullptr;
  for (const auto& control : form.controls()) {
    if (control->name() == fullName) return control.get();
  }
  return nullptr;
}

bool clickReaches(const Form& form, const Control& control) {
  const Control* current = &control;
  // Bounded by the number of controls, should a layout ever put a frame inside itself.
  for (std::size_t depth = 0; current != nullptr && depth <= form.controls().size(); ++depth) {
    if (!current->visible() || !current->enabled()) return false;
    const std::string& container = current->layout().container;
    if (container.empty()) return true;
    current = findLoadedControl(form, container);
  }
  return false;
}

bool clickAsOnScreen(Form& form, std::string_view fullName) {
  const Control* control = findLoadedControl(form, fullName);
  if (control == nullptr) return false;
  if (clickReaches(form, *control)) form.click(fullName);
  return true;
}

}  // namespace ttt
