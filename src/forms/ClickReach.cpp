#include "forms/ClickReach.h"

#include <string>

#include "forms/Form.h"

namespace ttt {

Control* findControl(const Form& form, std::string_view fullName) {
  for (const auto& control : form.controls()) {
    if (control->name() == fullName) return control.get();
  }
  return nullptr;
}

bool clickReaches(const Form& form, const Control& control) {
  if (!form.isLoaded()) return false;
  const Control* current = &control;
  // Bounded by the number of controls, should a layout ever put a frame inside itself.
  for (std::size_t depth = 0; current != nullptr && depth <= form.controls().size(); ++depth) {
    if (!current->visible() || !current->enabled()) return false;
    const std::string& container = current->layout().container;
    if (container.empty()) return true;
    current = findControl(form, container);
  }
  return false;
}

void clickAsOnScreen(const Form& form, Control& control) {
  if (clickReaches(form, control)) control.click();
}

}  // namespace ttt
