#include "screens/access/CellKeyPress.h"

#include <string>

#include "forms/ClickReach.h"
#include "screens/layouts/BoardLayout.h"

namespace ttt {

bool pressCellKey(Form& form, CellKey key) {
  const auto cell = cellForKey(key);
  if (!cell) return false;
  Control* control =
      findControl(form, std::string(kCellArrayName) + "(" + std::to_string(*cell) + ")");
  if (control == nullptr) return false;
  clickAsOnScreen(form, *control);
  return true;
}

}  // namespace ttt
