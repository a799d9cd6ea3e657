#include "win32/windows/Win32Windows.h"

#include <algorithm>
#include <utility>

#include "forms/Form.h"
#include "win32/windows/WindowView.h"

namespace ttt {

namespace {
constexpr const wchar_t* kTimerClass = L"OrvaneTicTacToeTimer";
constexpr UINT_PTR kPassTimer = 1;
}  // namespace

Win32Windows::Win32Windows() : WindowRegistry(static_cast<WindowToolkit&>(*this)) {
  WNDCLASSEXW timerClass{};
  timerClass.cbSize = sizeof timerClass;
  timerClass.lpfnWndProc = &Win32Windows::timerProc;
  timerClass.hInstance = GetModuleHandleW(nullptr);
  timerClass.lpszClassName = kTimerClass;
  RegisterClassExW(&timerClass);
  timerWindow_ = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 timerClass.hInstance, nullptr);
  SetWindowLongPtrW(timerWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Windows::~Win32Windows() {
  closed_.clear();
  if (timerWindow_ != nullptr) DestroyWindow(timerWindow_);
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

std::unique_ptr<FormWindow> Win32Windows::createWindow(Form& form) {
  return std::make_unique<WindowView>(form, form.layout().taskbarButton ? nullptr : hiddenOwner());
}

void Win32Windows::destroyLater(std::unique_ptr<FormWindow> window) {
  closed_.push_back(std::move(window));
}

// The shortest interval the platform has (USER_TIMER_MINIMUM, about 10 ms).
void Win32Windows::requestTimeout() {
  if (timerWindow_ != nullptr) SetTimer(timerWindow_, kPassTimer, USER_TIMER_MINIMUM, nullptr);
}

LRESULT CALLBACK Win32Windows::timerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Win32Windows*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_TIMER && wParam == kPassTimer && self != nullptr) {
    // A platform timer repeats; each request is for one timeout.
    KillTimer(window, kPassTimer);
    self->timeout();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::vector<WindowView*> Win32Windows::shownViews() const {
  std::vector<WindowView*> views;
  for (FormWindow* window : windowsInShownOrder())
    views.push_back(static_cast<WindowView*>(window));
  return views;
}

bool Win32Windows::isDialogMessage(MSG& message) {
  for (WindowView* view : shownViews()) {
    const HWND handle = view->handle();
    if (message.hwnd == handle || IsChild(handle, message.hwnd)) {
      return view->isDialogMessage(message);
    }
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
  const std::vector<WindowView*> views = shownViews();
  const HWND active = GetActiveWindow();
  for (WindowView* view : views) {
    if (view->handle() == active) return active;
  }
  return views.empty() ? nullptr : views.back()->handle();
}

}  // namespace ttt
