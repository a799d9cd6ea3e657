#include "win32/windows/WindowInput.h"

#include <cstddef>
#include <optional>

#include "forms/ClickReach.h"
#include "forms/Form.h"
#include "screens/access/AccessibleText.h"
#include "win32/windows/CellKeyInput.h"
#include "win32/windows/ChildWindows.h"
#include "win32/windows/WindowGeometry.h"

namespace ttt {

WindowInput::WindowInput(Form& form, const ControlItems& items, HWND window)
    : form_(form), items_(items), window_(window) {}

bool WindowInput::dialogMessage(MSG& message) {
  // Digits place on the board before the navigation could take them for access keys.
  if (const std::optional<int> cell = cellOfKeyMessage(message)) {
    clickCell(*cell);
    return true;
  }
  // Only Alt with the underlined letter presses a button, not the bare letter.
  if (message.message == WM_CHAR && (message.hwnd == window_ || IsChild(window_, message.hwnd))) {
    return true;
  }
  return IsDialogMessageW(window_, &message) != FALSE;
}

void WindowInput::pressed(HWND container, POINT point) {
  ControlItem* item = labelAt(items_, container, point);
  pressed_ = item != nullptr ? &item->control : nullptr;
  if (item != nullptr) SetCapture(container);
}

void WindowInput::released(HWND container, POINT point) {
  ControlItem* item = labelAt(items_, container, point);
  const Control* pressed = pressed_;
  pressed_ = nullptr;
  if (GetCapture() == container) ReleaseCapture();
  // The handler may close this very window: nothing of it is touched afterwards.
  if (item != nullptr && pressed == &item->control) clickAsOnScreen(form_, item->control);
}

void WindowInput::frameDisabled(HWND frame) {
  if (GetCapture() == frame) ReleaseCapture();
  pressed_ = nullptr;
}

void WindowInput::command(WPARAM wParam) {
  if (HIWORD(wParam) != BN_CLICKED) return;  // IDCANCEL from Escape closes nothing
  if (ControlItem* button = buttonById(LOWORD(wParam))) clickAsOnScreen(form_, button->control);
}

LRESULT WindowInput::defaultId() const {
  const ControlItem* focused = itemOfWindow(items_, GetFocus());
  if (focused == nullptr || focused->layout.kind != ControlKind::Button) return 0;
  return MAKELRESULT(focused->id, DC_HASDEFID);
}

void WindowInput::activated(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    if (IsChild(window_, GetFocus())) lastFocus_ = GetFocus();
  } else if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_)) {
    SetFocus(lastFocus_);
  } else {
    focusFirstButton();
  }
}

void WindowInput::focusFirstButton() {
  for (ControlItem* button : geometry::buttonsInTabOrder(items_)) {
    if (clickReaches(form_, button->control)) {
      SetFocus(button->window);
      return;
    }
  }
}

// As with the mouse, a hidden label or one in a hidden frame or one that takes no input gets
// no click.
void WindowInput::clickLabel(const ControlItem& label) { clickAsOnScreen(form_, label.control); }

void WindowInput::clickCell(int index) {
  for (const auto& item : items_) {
    if (accessibleRole(item->layout) == AccessibleRole::Cell && item->layout.index == index) {
      clickLabel(*item);
      return;
    }
  }
}

ControlItem* WindowInput::buttonById(int id) const {
  const auto index = static_cast<std::size_t>(id - childwindows::kFirstCommandId);
  if (id < childwindows::kFirstCommandId || index >= items_.size()) return nullptr;
  ControlItem& item = *items_[index];
  return item.layout.kind == ControlKind::Button ? &item : nullptr;
}

ControlItem* itemOfWindow(const ControlItems& items, HWND window) {
  if (window == nullptr) return nullptr;
  for (const auto& item : items) {
    if (item->window == window) return item.get();
  }
  return nullptr;
}

}  // namespace ttt
