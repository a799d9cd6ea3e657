#include "win32/Win32Windows.h"

#include <algorithm>
#include <utility>

#include "forms/Form.h"
#include "win32/TimerPump.h"
#include "win32/WindowView.h"

namespace ttt {

Win32Windows::Win32Windows(TimerPump& pump) : pump_(pump) {}

Win32Windows::~Win32Windows() {
  windows_.clear();
  closed_.clear();
  if (hiddenOwner_ != nullptr) DestroyWindow(hiddenOwner_);
}

// An owned window has no taskbar button; its owner is never shown.
HWND Win32Windows::hiddenOwner() {
  if (hiddenOwner_ == nullptr) {
    hiddenOwner_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
  }
  return hiddenOwner_;
}

void Win32Windows::formShown(Form& form) {
  auto& window = windows_[&form];
  if (window) {
    window->raise();
  } else {
    window =
        std::make_unique<WindowView>(form, form.layout().taskbarButton ? nullptr : hiddenOwner());
    window->open();
  }
  shownOrder_.erase(std::remove(shownOrder_.begin(), shownOrder_.end(), window->handle()),
                    shownOrder_.end());
  shownOrder_.push_back(window->handle());
  pump_.watch(form);
}

void Win32Windows::formUnloaded(Form& form) {
  pump_.forget(form);
  const auto found = windows_.find(&form);
  if (found == windows_.end()) return;
  // The unload usually runs inside a handler of this very window: it goes off screen now and
  // its object is freed once the message loop has left that handler.
  std::unique_ptr<WindowView> closing = std::move(found->second);
  windows_.erase(found);
  shownOrder_.erase(std::remove(shownOrder_.begin(), shownOrder_.end(), closing->handle()),
                    shownOrder_.end());
  closing->close();
  closed_.push_back(std::move(closing));
}

void Win32Windows::controlChanged(Form& form, const Control& control) {
  const auto found = windows_.find(&form);
  // Changes made while a form loads, before it is shown, are read when its window is built.
  if (found != windows_.end()) found->second->apply(control);
  pump_.wake();
}

void Win32Windows::timerChanged(Form& /*form*/, const Timer& /*timer*/) { pump_.wake(); }

void Win32Windows::stateChanged(Form& /*form*/) { pump_.wake(); }

bool Win32Windows::isDialogMessage(MSG& message) {
  for (auto& [form, window] : windows_) {
    const HWND handle = window->handle();
    if (message.hwnd == handle || IsChild(handle, message.hwnd))
      return window->isDialogMessage(message);
  }
  return false;
}

void Win32Windows::dispatch(MSG& message) {
  if (!isDialogMessage(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  closed_.clear();
}

HWND Win32Windows::dialogOwner() const {
  const HWND active = GetActiveWindow();
  if (std::find(shownOrder_.begin(), shownOrder_.end(), active) != shownOrder_.end()) return active;
  return shownOrder_.empty() ? nullptr : shownOrder_.back();
}

}  // namespace ttt
