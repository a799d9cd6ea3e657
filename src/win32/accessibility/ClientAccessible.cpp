#include "win32/accessibility/ClientAccessible.h"

#include "win32/accessibility/WindowAccessibility.h"

namespace ttt {

ClientAccessible::ClientAccessible(WindowAccessibility& owner, HWND container,
                                   const ControlItem* frame)
    : owner_(owner), container_(container), frame_(frame) {}

LONG ClientAccessible::role() const {
  return frame_ != nullptr ? ROLE_SYSTEM_GROUPING : ROLE_SYSTEM_CLIENT;
}

std::wstring ClientAccessible::name() const {
  if (frame_ != nullptr) return spokenName(*frame_);
  wchar_t caption[256] = {};
  GetWindowTextW(container_, caption, 256);
  return caption;
}

LONG ClientAccessible::state() const {
  LONG state = 0;
  if (frame_ != nullptr) {
    const AccessibleStates states = owner_.statesOf(*frame_);
    if (!states.showing) state |= STATE_SYSTEM_INVISIBLE;
    if (!states.enabled) state |= STATE_SYSTEM_UNAVAILABLE;
    return state;
  }
  if (!IsWindowVisible(container_)) state |= STATE_SYSTEM_INVISIBLE;
  if (!IsWindowEnabled(container_)) state |= STATE_SYSTEM_UNAVAILABLE;
  return state;
}

RECT ClientAccessible::screenRect() const {
  return clientAreaOnScreen(container_);
}

// A frame's parent is the client area it lies in; the window's is its own window object.
IDispatch* ClientAccessible::parent() {
  if (frame_ != nullptr) return owner_.clientOf(frame_->container);
  IDispatch* window = nullptr;
  AccessibleObjectFromWindow(container_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                             reinterpret_cast<void**>(&window));
  return window;
}

LONG ClientAccessible::childCount() const {
  return static_cast<LONG>(owner_.childrenOf(container_).size());
}

IDispatch* ClientAccessible::child(LONG id) {
  const auto children = owner_.childrenOf(container_);
  if (id < 1 || id > static_cast<LONG>(children.size())) return nullptr;
  return owner_.objectOf(*children[static_cast<std::size_t>(id - 1)]);
}

IDispatch* ClientAccessible::childAt(POINT onScreen) {
  ScreenToClient(container_, &onScreen);
  const ControlItem* found = owner_.childAt(container_, onScreen);
  return found != nullptr ? owner_.objectOf(*found) : nullptr;
}

IDispatch* ClientAccessible::focusedChild() {
  const ControlItem* focused = owner_.itemOfWindow(GetFocus());
  if (focused == nullptr || focused->container != container_) return nullptr;
  return owner_.objectOf(*focused);
}

}  // namespace ttt
