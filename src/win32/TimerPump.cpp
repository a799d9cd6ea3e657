#include "win32/TimerPump.h"

namespace ttt {

namespace {
constexpr const wchar_t* kPumpClass = L"OrvaneTicTacToeTimerPump";
constexpr UINT_PTR kPassTimer = 1;
}  // namespace

TimerPump::TimerPump() : passes_([this] { requestTimeout(); }) {
  WNDCLASSEXW pumpClass{};
  pumpClass.cbSize = sizeof pumpClass;
  pumpClass.lpfnWndProc = &TimerPump::windowProc;
  pumpClass.hInstance = GetModuleHandleW(nullptr);
  pumpClass.lpszClassName = kPumpClass;
  RegisterClassExW(&pumpClass);
  window_ = CreateWindowExW(0, kPumpClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            pumpClass.hInstance, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TimerPump::~TimerPump() {
  if (window_ != nullptr) DestroyWindow(window_);
}

// The shortest interval the platform has (USER_TIMER_MINIMUM, about 10 ms).
void TimerPump::requestTimeout() {
  if (window_ != nullptr) SetTimer(window_, kPassTimer, USER_TIMER_MINIMUM, nullptr);
}

LRESULT CALLBACK TimerPump::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TimerPump*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_TIMER && wParam == kPassTimer && self != nullptr) {
    // A platform timer repeats; each request is for one timeout.
    KillTimer(window, kPassTimer);
    self->passes_.timeout();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace ttt
