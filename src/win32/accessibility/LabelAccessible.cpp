#include "win32/accessibility/LabelAccessible.h"

#include "forms/Control.h"
#include "screens/access/AccessibleText.h"
#include "win32/accessibility/WindowAccessibility.h"

namespace ttt {

LabelAccessible::LabelAccessible(WindowAccessibility& owner, const ControlItem& item)
    : owner_(owner), item_(item) {}

LONG LabelAccessible::role() const {
  switch (accessibleRole(item_.layout)) {
    case AccessibleRole::Cell:
      return ROLE_SYSTEM_CELL;
    case AccessibleRole::Link:
      return ROLE_SYSTEM_LINK;
    default:
      return ROLE_SYSTEM_STATICTEXT;
  }
}

std::wstring LabelAccessible::name() const { return spokenName(item_); }

LONG LabelAccessible::state() const {
  LONG state = 0;
  const AccessibleStates states = owner_.statesOf(item_);
  if (!states.showing) state |= STATE_SYSTEM_INVISIBLE;
  // Neither does a cell in a frame that takes no input take clicks.
  if (!states.enabled) state |= STATE_SYSTEM_UNAVAILABLE;
  switch (accessibleRole(item_.layout)) {
    case AccessibleRole::Link:
      return state | STATE_SYSTEM_LINKED;
    case AccessibleRole::Cell:
      return state;
    default:
      return state | STATE_SYSTEM_READONLY;
  }
}

RECT LabelAccessible::screenRect() const {
  RECT rect = item_.rect;
  MapWindowPoints(item_.container, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

IDispatch* LabelAccessible::parent() { return owner_.clientOf(item_.container); }

std::wstring LabelAccessible::defaultAction() const {
  switch (accessibleRole(item_.layout)) {
    case AccessibleRole::Cell:
      return L"Click";
    case AccessibleRole::Link:
      return L"Jump";
    default:
      return {};
  }
}

void LabelAccessible::doDefaultAction() { owner_.click(item_); }

}  // namespace ttt
