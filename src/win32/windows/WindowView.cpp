#include "win32/windows/WindowView.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstddef>
#include <optional>

#include "art/Images.h"
#include "forms/ClickReach.h"
#include "forms/Form.h"
#include "screens/access/AccessibleText.h"
#include "screens/text/CaptionMarkup.h"
#include "win32/windows/CellKeyInput.h"
#include "win32/system/DpiFunctions.h"
#include "win32/system/WideText.h"
#include "win32/accessibility/WindowAccessibility.h"
#include "win32/windows/WindowGeometry.h"

namespace ttt {

namespace {

constexpr const wchar_t* kWindowClass = L"OrvaneTicTacToeWindow";
constexpr const wchar_t* kFrameClass = L"OrvaneTicTacToeFrame";
constexpr int kFirstButtonId = 100;  // clear of IDOK and IDCANCEL, which dialog keys send

DWORD windowStyle() { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN; }

// A fixed dialog frame, or a fixed single border: neither can be resized.
DWORD windowExStyle(const FormLayout& layout) {
  return layout.border == BorderStyle::FixedDialog ? WS_EX_DLGMODALFRAME : 0;
}

int width(const RECT& rect) { return rect.right - rect.left; }
int height(const RECT& rect) { return rect.bottom - rect.top; }

// A button's caption as the shared parser reads it, for the button to show and press.
std::wstring buttonText(const Control& button) {
  return toWide(mnemonicCaption(parseCaption(button.caption())));
}

}  // namespace

void WindowView::registerClasses(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &WindowView::windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
  windowClass.lpszClassName = kFrameClass;
  RegisterClassExW(&windowClass);
}

WindowView::WindowView(Form& form, HWND owner) : form_(form) {
  const FormLayout& layout = form.layout();
  window_ = CreateWindowExW(windowExStyle(layout), kWindowClass, toWide(layout.caption).c_str(),
                            windowStyle(), CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner, nullptr,
                            GetModuleHandleW(nullptr), this);
  if (window_ == nullptr) return;
  links_ = std::make_unique<LinkLabels>(window_);
  buildItems();
  applyDpi(DpiFunctions::system().windowDpi(window_));
  accessibility_ = std::make_unique<WindowAccessibility>(
      window_, form_, items_, [this](const ControlItem& label) { clickLabel(label); });
  const bool face = layout.icon == WindowIcon::SmilingFace;
  icons_.push_back(createIcon(face ? smilingFaceIcon() : lightBulbIcon(32)));
  icons_.push_back(createIcon(face ? smilingFaceIcon() : lightBulbIcon(16)));
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons_[0].get()));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons_[1].get()));
}

// The forms may be gone by now: the controls are not touched.
WindowView::~WindowView() { destroyWindow(); }

void WindowView::buildItems() {
  int id = kFirstButtonId;
  for (const auto& control : form_.controls()) {
    items_.push_back(std::make_unique<ControlItem>(*this, *control, id++));
    control->setObserver(items_.back().get());
  }
  // Frames first, so that the controls inside them find their container.
  const PlacedForm placed = placeForm(form_.layout(), USER_DEFAULT_SCREEN_DPI);
  for (const bool frames : {true, false}) {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      ControlItem& item = *items_[i];
      if ((item.layout.kind == ControlKind::Frame) != frames) continue;
      const int container = placed.controls[i].container;
      item.container =
          container < 0 ? window_ : items_[static_cast<std::size_t>(container)]->window;
      createChildWindow(item);
    }
  }
}

void WindowView::createChildWindow(ControlItem& item) {
  const ControlLayout& layout = item.layout;
  const DWORD shown = item.control.visible() ? WS_VISIBLE : 0;
  const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id));
  if (layout.kind == ControlKind::Button) {
    item.window = CreateWindowExW(0, WC_BUTTONW, buttonText(item.control).c_str(),
                                  WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON | shown,
                                  0, 0, 0, 0, item.container, id, nullptr, nullptr);
  } else if (layout.kind == ControlKind::Frame) {
    // The frame draws no caption; its window text is the name a screen reader gives it.
    const std::wstring name = toWide(accessibleName(layout, item.control.caption()));
    item.window = CreateWindowExW(0, kFrameClass, name.c_str(),
                                  WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | shown, 0, 0, 0, 0,
                                  item.container, id, GetModuleHandleW(nullptr), this);
  } else {
    if (layout.link) links_->add(item);
    return;
  }
  EnableWindow(item.window, item.control.enabled() ? TRUE : FALSE);
}

// Everything measured in twips, points or pixels at 96 DPI is laid out again at the DPI.
void WindowView::applyDpi(UINT dpi) {
  const PlacedForm placed = placeForm(form_.layout(), static_cast<int>(dpi));
  geometry::placeItems(items_, placed, window_);
  links_->setDpi(dpi);
  for (const auto& item : items_) {
    if (item->layout.link) links_->update(*item);
  }
  RECT frame{0, 0, placed.clientWidth, placed.clientHeight};
  DpiFunctions::system().adjustWindowRect(frame, windowStyle(), windowExStyle(form_.layout()), dpi);
  SetWindowPos(window_, nullptr, 0, 0, width(frame), height(frame),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, FALSE);
}

void WindowView::open() {
  RECT frame{};
  GetWindowRect(window_, &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  SetWindowPos(window_, nullptr, work.left + (width(work) - width(frame)) / 2,
               work.top + (height(work) - height(frame)) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  focusFirstButton();
}

void WindowView::raise() {
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
}

void WindowView::close() {
  for (const auto& item : items_) item->control.removeObserver(item.get());
  destroyWindow();
}

void WindowView::destroyWindow() {
  if (window_ == nullptr) return;
  HWND closing = window_;
  window_ = nullptr;
  accessibility_.reset();
  DestroyWindow(closing);  // and the tooltips it owns
}

void WindowView::focusFirstButton() {
  for (ControlItem* button : geometry::buttonsInTabOrder(items_)) {
    if (clickReaches(form_, button->control)) {
      SetFocus(button->window);
      return;
    }
  }
}

void WindowView::apply(ControlItem& item) {
  if (window_ == nullptr) return;
  const Control& control = item.control;
  switch (item.layout.kind) {
    case ControlKind::Button:
      SetWindowTextW(item.window, buttonText(control).c_str());
      ShowWindow(item.window, control.visible() ? SW_SHOWNA : SW_HIDE);
      EnableWindow(item.window, control.enabled() ? TRUE : FALSE);
      return;
    case ControlKind::Frame:
      // A press under way inside the frame must not end in a click once it is disabled.
      if (!control.enabled() && GetCapture() == item.window) ReleaseCapture();
      if (!control.enabled()) pressed_ = nullptr;
      ShowWindow(item.window, control.visible() ? SW_SHOWNA : SW_HIDE);
      EnableWindow(item.window, control.enabled() ? TRUE : FALSE);
      return;
    case ControlKind::Label:
      if (item.layout.autoSize) geometry::fitLabel(item, window_);
      if (item.layout.link) links_->update(item);
      if (accessibility_) accessibility_->changed(item);
      break;
    case ControlKind::Line:
      break;
  }
  InvalidateRect(item.container, nullptr, FALSE);
}

ControlItem* WindowView::itemOfWindow(HWND window) const {
  if (window == nullptr) return nullptr;
  for (const auto& item : items_) {
    if (item->window == window) return item.get();
  }
  return nullptr;
}

ControlItem* WindowView::buttonById(int id) const {
  const auto index = static_cast<std::size_t>(id - kFirstButtonId);
  if (id < kFirstButtonId || index >= items_.size()) return nullptr;
  ControlItem& item = *items_[index];
  return item.layout.kind == ControlKind::Button ? &item : nullptr;
}

bool WindowView::isDialogMessage(MSG& message) {
  if (window_ == nullptr) return false;
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

void WindowView::clickCell(int index) {
  for (const auto& item : items_) {
    if (accessibleRole(item->layout) == AccessibleRole::Cell && item->layout.index == index) {
      clickLabel(*item);
      return;
    }
  }
}

// As with the mouse, a hidden label or one in a hidden frame or one that takes no input gets
// no click.
void WindowView::clickLabel(const ControlItem& label) { clickAsOnScreen(form_, label.control); }

LRESULT CALLBACK WindowView::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<WindowView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->handleMessage(window, message, wParam, lParam);
}

// The top-level window and its frames share this procedure; `window` is the one addressed.
LRESULT WindowView::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      return OnPaint(window);
    case WM_ERASEBKGND:
      return 1;  // the paint fills everything
    case WM_LBUTTONDOWN:
      return OnLButtonDown(window, lParam);
    case WM_LBUTTONUP:
      return OnLButtonUp(window, lParam);
    case WM_SETCURSOR:
      return OnSetCursor(window, wParam, lParam);
    case WM_COMMAND:
      return OnCommand(wParam);
    case DM_GETDEFID:
      return OnGetDefId();
    case WM_CLOSE:
      return OnClose();
    case WM_ACTIVATE:
      return OnActivate(window, wParam, lParam);
    case WM_DPICHANGED:
      return OnDpiChanged(wParam, lParam);
    case WM_GETOBJECT:
      return OnGetObject(window, wParam, lParam);
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

LRESULT WindowView::OnPaint(HWND container) {
  const ControlItem* frame = itemOfWindow(container);
  paintContainer(container, items_, frame ? frame->layout.backColour : form_.layout().backColour,
                 frame != nullptr);
  return 0;
}

// A click on a label is a press and a release over the same label.
LRESULT WindowView::OnLButtonDown(HWND container, LPARAM lParam) {
  ControlItem* item = labelAt(items_, container, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  pressed_ = item != nullptr ? &item->control : nullptr;
  if (item != nullptr) SetCapture(container);
  return 0;
}

LRESULT WindowView::OnLButtonUp(HWND container, LPARAM lParam) {
  ControlItem* item = labelAt(items_, container, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  const Control* pressed = pressed_;
  pressed_ = nullptr;
  if (GetCapture() == container) ReleaseCapture();
  // The handler may close this very window: nothing of it is touched afterwards.
  if (item != nullptr && pressed == &item->control) clickAsOnScreen(form_, item->control);
  return 0;
}

LRESULT WindowView::OnSetCursor(HWND window, WPARAM wParam, LPARAM lParam) {
  if (LOWORD(lParam) == HTCLIENT && links_->setCursor(items_, window)) return TRUE;
  return DefWindowProcW(window, WM_SETCURSOR, wParam, lParam);
}

LRESULT WindowView::OnCommand(WPARAM wParam) {
  if (HIWORD(wParam) == BN_CLICKED) {
    ControlItem* button = buttonById(LOWORD(wParam));
    if (button != nullptr) clickAsOnScreen(form_, button->control);
  }
  return 0;  // IDCANCEL from Escape closes nothing
}

// Enter presses the focused button.
LRESULT WindowView::OnGetDefId() {
  const ControlItem* focused = itemOfWindow(GetFocus());
  if (focused != nullptr && focused->layout.kind == ControlKind::Button) {
    return MAKELRESULT(focused->id, DC_HASDEFID);
  }
  return 0;
}

LRESULT WindowView::OnClose() {
  form_.requestClose();
  return 0;
}

// The focus comes back to where it was when the window is active again.
LRESULT WindowView::OnActivate(HWND window, WPARAM wParam, LPARAM lParam) {
  if (window != window_) return DefWindowProcW(window, WM_ACTIVATE, wParam, lParam);
  if (LOWORD(wParam) == WA_INACTIVE) {
    if (IsChild(window_, GetFocus())) lastFocus_ = GetFocus();
  } else if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_)) {
    SetFocus(lastFocus_);
  } else {
    focusFirstButton();
  }
  return 0;
}

// Screen readers ask the window and its frames for their client areas.
LRESULT WindowView::OnGetObject(HWND window, WPARAM wParam, LPARAM lParam) {
  const LRESULT object = accessibility_ ? accessibility_->answer(window, wParam, lParam) : 0;
  return object != 0 ? object : DefWindowProcW(window, WM_GETOBJECT, wParam, lParam);
}

LRESULT WindowView::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
  applyDpi(HIWORD(wParam));
  const auto* suggested = reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return 0;
}

}  // namespace ttt
