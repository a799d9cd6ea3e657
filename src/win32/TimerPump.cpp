#include "win32/TimerPump.h"

#include <algorithm>

#include "forms/Form.h"

namespace ttt {

namespace {
constexpr const wchar_t* kPumpClass = L"OrvaneTicTacToeTimerPump";
constexpr UINT_PTR kPassTimer = 1;
}  // namespace

TimerPump::TimerPump() {
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

LRESULT CALLBACK TimerPump::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TimerPump*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_TIMER && wParam == kPassTimer && self != nullptr) {
    self->timeout();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool TimerPump::isWatched(const Form* form) const {
  return std::find(watched_.begin(), watched_.end(), form) != watched_.end();
}

void TimerPump::watch(Form& form) {
  if (!isWatched(&form)) watched_.push_back(&form);
  wake();
}

void TimerPump::forget(Form& form) {
  watched_.erase(std::remove(watched_.begin(), watched_.end(), &form), watched_.end());
}

void TimerPump::wake() {
  // Changes made by the running pass are seen when it ends; scheduling now would let a
  // modal dialog's loop run passes at full speed for nothing.
  if (inPass_) {
    wokenDuringPass_ = true;
    return;
  }
  schedule();
}

// The shortest interval the platform has (USER_TIMER_MINIMUM, about 10 ms), once.
void TimerPump::schedule() {
  if (scheduled_ || window_ == nullptr) return;
  scheduled_ = SetTimer(window_, kPassTimer, USER_TIMER_MINIMUM, nullptr) != 0;
}

void TimerPump::timeout() {
  // A platform timer repeats; the pump runs one pass per schedule().
  KillTimer(window_, kPassTimer);
  scheduled_ = false;
  // A handler of the running pass may have opened a modal dialog whose own loop delivers
  // this timer; never run one pass inside another.
  if (inPass_) {
    wokenDuringPass_ = true;
    return;
  }
  if (runPass() || wokenDuringPass_) schedule();
}

// Ticks every watched form with a running timer once; true when any tick changed something.
bool TimerPump::runPass() {
  inPass_ = true;
  wokenDuringPass_ = false;
  bool changed = false;
  // A tick may show or close windows, which changes the list: walk a copy, and skip a form
  // that was forgotten meanwhile, since it is no longer on screen.
  const std::vector<Form*> forms = watched_;
  for (Form* form : forms) {
    if (!isWatched(form) || !form->hasRunningTimer()) continue;
    const auto before = form->revision();
    form->tick();
    if (!isWatched(form) || form->revision() != before) changed = true;
  }
  inPass_ = false;
  return changed;
}

}  // namespace ttt
