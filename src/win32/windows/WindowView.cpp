#include "win32/windows/WindowView.h"

#include <windowsx.h>

#include "art/Images.h"
#include "forms/Form.h"
#include "win32/accessibility/WindowAccessibility.h"
#include "win32/system/DpiFunctions.h"
#include "win32/windows/ChildWindows.h"
#include "win32/windows/WindowGeometry.h"

namespace ttt {

namespace {

POINT pointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

void WindowView::registerClasses(HINSTANCE instance) {
  childwindows::registerClasses(instance, &WindowView::windowProc);
}

WindowView::WindowView(Form& form, HWND owner) : form_(form) {
  const FormLayout& layout = form.layout();
  window_ = childwindows::createFormWindow(layout, owner, this);
  if (window_ == nullptr) return;
  links_ = std::make_unique<LinkLabels>(window_);
  input_ = std::make_unique<WindowInput>(form_, items_, window_);
  buildItems();
  applyDpi(DpiFunctions::system().windowDpi(window_));
  accessibility_ = std::make_unique<WindowAccessibility>(
      window_, form_, items_, [this](const ControlItem& label) { input_->clickLabel(label); });
  const bool face = layout.icon == WindowIcon::SmilingFace;
  icons_.push_back(createIcon(face ? smilingFaceIcon() : lightBulbIcon(32)));
  icons_.push_back(createIcon(face ? smilingFaceIcon() : lightBulbIcon(16)));
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons_[0].get()));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons_[1].get()));
}

// The forms may be gone by now: the controls are not touched.
WindowView::~WindowView() { destroyWindow(); }

void WindowView::buildItems() {
  int id = childwindows::kFirstCommandId;
  for (const auto& control : form_.controls()) {
    items_.push_back(std::make_unique<ControlItem>(*this, *control, id++));
    control->setObserver(items_.back().get());
  }
  childwindows::createChildWindows(items_, form_.layout(), window_, *links_, this);
}

// Everything measured in twips, points or pixels at 96 DPI is laid out again at the DPI.
void WindowView::applyDpi(UINT dpi) {
  const PlacedForm placed = placeForm(form_.layout(), static_cast<int>(dpi));
  geometry::placeItems(items_, placed, window_);
  links_->setDpi(dpi);
  for (const auto& item : items_) {
    if (item->layout.link) links_->update(*item);
  }
  childwindows::fitFrameToClient(window_, form_.layout(), placed, dpi);
  InvalidateRect(window_, nullptr, FALSE);
}

void WindowView::open() {
  childwindows::centreOnWorkArea(window_);
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  input_->focusFirstButton();
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

void WindowView::apply(ControlItem& item) {
  if (window_ == nullptr) return;
  const Control& control = item.control;
  switch (item.layout.kind) {
    case ControlKind::Button:
      SetWindowTextW(item.window, childwindows::buttonText(control).c_str());
      ShowWindow(item.window, control.visible() ? SW_SHOWNA : SW_HIDE);
      EnableWindow(item.window, control.enabled() ? TRUE : FALSE);
      return;
    case ControlKind::Frame:
      // A press under way inside the frame must not end in a click once it is disabled.
      if (!control.enabled()) input_->frameDisabled(item.window);
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

bool WindowView::isDialogMessage(MSG& message) {
  return window_ != nullptr && input_->dialogMessage(message);
}

LRESULT CALLBACK WindowView::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<WindowView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  // Until the window exists as a whole, its messages get the default handling.
  if (self == nullptr || !self->input_) return DefWindowProcW(window, message, wParam, lParam);
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
      input_->pressed(window, pointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      input_->released(window, pointOf(lParam));
      return 0;
    case WM_SETCURSOR:
      return OnSetCursor(window, wParam, lParam);
    case WM_COMMAND:
      input_->command(wParam);
      return 0;
    case DM_GETDEFID:
      return input_->defaultId();
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
  const ControlItem* frame = itemOfWindow(items_, container);
  paintContainer(container, items_, frame ? frame->layout.backColour : form_.layout().backColour,
                 frame != nullptr);
  return 0;
}

LRESULT WindowView::OnSetCursor(HWND window, WPARAM wParam, LPARAM lParam) {
  if (LOWORD(lParam) == HTCLIENT && links_->setCursor(items_, window)) return TRUE;
  return DefWindowProcW(window, WM_SETCURSOR, wParam, lParam);
}

LRESULT WindowView::OnClose() {
  form_.requestClose();
  return 0;
}

LRESULT WindowView::OnActivate(HWND window, WPARAM wParam, LPARAM lParam) {
  if (window != window_) return DefWindowProcW(window, WM_ACTIVATE, wParam, lParam);
  input_->activated(wParam);
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
