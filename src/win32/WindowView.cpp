#include "win32/WindowView.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstddef>
#include <utility>

#include "forms/Form.h"
#include "screens/Images.h"
#include "win32/DpiFunctions.h"
#include "win32/WideText.h"

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

WindowView::WindowView(Form& form, HWND owner)
    : form_(form),
      handCursor_(createCursor(handCursor(), kHandCursorHotSpotX, kHandCursorHotSpotY)) {
  const FormLayout& layout = form.layout();
  window_ = CreateWindowExW(windowExStyle(layout), kWindowClass, toWide(layout.caption).c_str(),
                            windowStyle(), CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner, nullptr,
                            GetModuleHandleW(nullptr), this);
  if (window_ == nullptr) return;
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, nullptr, nullptr);
  buildItems();
  applyDpi(DpiFunctions::system().windowDpi(window_));
  const bool face = layout.icon == WindowIcon::SmilingFace;
  icons_.push_back(createIcon(face ? smilingFaceIcon() : lightBulbIcon(32)));
  icons_.push_back(createIcon(face ? smilingFaceIcon() : lightBulbIcon(16)));
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons_[0].get()));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons_[1].get()));
}

WindowView::~WindowView() { close(); }

void WindowView::buildItems() {
  int index = 0;
  for (const auto& control : form_.controls()) {
    auto item = std::make_unique<ControlItem>();
    item->control = control.get();
    item->layout = &control->layout();
    item->id = kFirstButtonId + index++;
    items_.push_back(std::move(item));
  }
  // Frames first, so that the controls inside them find their container.
  for (auto& item : items_) {
    if (item->layout->kind == ControlKind::Frame) createChildWindow(*item);
  }
  for (auto& item : items_) {
    if (item->layout->kind != ControlKind::Frame) createChildWindow(*item);
  }
}

void WindowView::createChildWindow(ControlItem& item) {
  const ControlLayout& layout = *item.layout;
  item.container = containerOf(layout);
  const DWORD shown = item.control->visible() ? WS_VISIBLE : 0;
  const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id));
  if (layout.kind == ControlKind::Button) {
    item.window = CreateWindowExW(0, WC_BUTTONW, toWide(item.control->caption()).c_str(),
                                  WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON | shown,
                                  0, 0, 0, 0, item.container, id, nullptr, nullptr);
  } else if (layout.kind == ControlKind::Frame) {
    item.window =
        CreateWindowExW(0, kFrameClass, L"", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | shown,
                        0, 0, 0, 0, item.container, id, GetModuleHandleW(nullptr), this);
  } else {
    if (layout.link) addTooltip(item);
    return;
  }
  EnableWindow(item.window, item.control->enabled() ? TRUE : FALSE);
}

HWND WindowView::containerOf(const ControlLayout& layout) const {
  for (const auto& item : items_) {
    if (item->window != nullptr && item->control->name() == layout.container) return item->window;
  }
  return window_;
}

// Everything measured in twips, points or pixels at 96 DPI is laid out again at the DPI.
void WindowView::applyDpi(UINT dpi) {
  scale_ = Scale(dpi);
  for (auto& item : items_) {
    if (item->layout->kind == ControlKind::Label || item->layout->kind == ControlKind::Button) {
      item->font = createFont(item->layout->font, scale_);
    }
    if (item->window != nullptr && item->layout->kind == ControlKind::Button) {
      SendMessageW(item->window, WM_SETFONT, reinterpret_cast<WPARAM>(item->font.get()), FALSE);
    }
    placeItem(*item);
  }
  stackChildWindows();
  const FormLayout& layout = form_.layout();
  RECT frame{0, 0, scale_.twips(layout.clientWidth), scale_.twips(layout.clientHeight)};
  DpiFunctions::system().adjustWindowRect(frame, windowStyle(), windowExStyle(layout), dpi);
  SetWindowPos(window_, nullptr, 0, 0, width(frame), height(frame),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, FALSE);
}

void WindowView::placeItem(ControlItem& item) {
  const ControlLayout& layout = *item.layout;
  if (layout.kind == ControlKind::Line) {
    const TwipsLine& line = layout.line;
    item.rect = {scale_.twips(line.x1), scale_.twips(line.y1), scale_.twips(line.x2),
                 scale_.twips(line.y2)};
    return;
  }
  item.rect = scale_.rect(layout.rect);
  if (item.window != nullptr) {
    SetWindowPos(item.window, nullptr, item.rect.left, item.rect.top, width(item.rect),
                 height(item.rect), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (layout.kind == ControlKind::Label && layout.autoSize) fitLabel(item);
  if (layout.link) updateTooltip(item);
}

void WindowView::fitLabel(ControlItem& item) {
  HDC dc = GetDC(window_);
  const SIZE size = measureCaption(dc, item.font.get(), toWide(item.control->caption()));
  ReleaseDC(window_, dc);
  item.rect.right = item.rect.left + size.cx;
  item.rect.bottom = item.rect.top + size.cy;
}

// The dialog navigation moves the focus in the order of the child windows, so the buttons are
// put in tab order. Where that puts a button over one that the layout stacks above it, the
// lower one gives up the overlap through its window region.
void WindowView::stackChildWindows() {
  std::vector<ControlItem*> order = buttonsInTabOrder();
  for (auto& item : items_) {
    if (item->layout->kind == ControlKind::Frame) order.push_back(item.get());
  }
  HWND after = HWND_TOP;
  for (ControlItem* item : order) {
    SetWindowPos(item->window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = item->window;
  }
  const auto stackIndex = [this](const ControlItem* item) {
    return std::find_if(items_.begin(), items_.end(),
                        [item](const auto& e) { return e.get() == item; }) -
           items_.begin();
  };
  for (std::size_t lower = 0; lower < order.size(); ++lower) {
    const RECT& own = order[lower]->rect;
    HRGN region = CreateRectRgn(0, 0, width(own), height(own));
    bool clipped = false;
    for (std::size_t upper = lower + 1; upper < order.size(); ++upper) {
      RECT overlap{};
      if (order[upper]->container != order[lower]->container ||
          stackIndex(order[upper]) > stackIndex(order[lower]) ||
          !IntersectRect(&overlap, &own, &order[upper]->rect)) {
        continue;
      }
      OffsetRect(&overlap, -own.left, -own.top);
      HRGN covered = CreateRectRgnIndirect(&overlap);
      CombineRgn(region, region, covered, RGN_DIFF);
      DeleteObject(covered);
      clipped = true;
    }
    if (!clipped) {
      DeleteObject(region);
      region = nullptr;
    }
    SetWindowRgn(order[lower]->window, region, TRUE);  // the window owns the region now
  }
}

std::vector<ControlItem*> WindowView::buttonsInTabOrder() const {
  std::vector<ControlItem*> buttons;
  for (const auto& item : items_) {
    if (item->layout->kind == ControlKind::Button) buttons.push_back(item.get());
  }
  std::stable_sort(buttons.begin(), buttons.end(), [](const ControlItem* a, const ControlItem* b) {
    return a->layout->tabIndex < b->layout->tabIndex;
  });
  return buttons;
}

void WindowView::addTooltip(ControlItem& item) {
  if (tooltip_ == nullptr) return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = item.container;
  tool.uId = static_cast<UINT_PTR>(item.id);
  std::wstring text = toWide(item.control->caption());
  tool.lpszText = text.data();
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void WindowView::updateTooltip(const ControlItem& item) {
  if (tooltip_ == nullptr) return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = item.container;
  tool.uId = static_cast<UINT_PTR>(item.id);
  tool.rect = item.rect;
  SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
  std::wstring text = toWide(item.control->caption());
  tool.lpszText = text.data();
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
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
  if (window_ == nullptr) return;
  HWND closing = window_;
  window_ = nullptr;
  tooltip_ = nullptr;
  DestroyWindow(closing);
}

void WindowView::focusFirstButton() {
  for (ControlItem* button : buttonsInTabOrder()) {
    if (IsWindowVisible(button->window) && IsWindowEnabled(button->window)) {
      SetFocus(button->window);
      return;
    }
  }
}

void WindowView::apply(const Control& control) {
  ControlItem* item = itemOf(control);
  if (item == nullptr || window_ == nullptr) return;
  switch (item->layout->kind) {
    case ControlKind::Button:
      SetWindowTextW(item->window, toWide(control.caption()).c_str());
      ShowWindow(item->window, control.visible() ? SW_SHOWNA : SW_HIDE);
      EnableWindow(item->window, control.enabled() ? TRUE : FALSE);
      return;
    case ControlKind::Frame:
      // A press under way inside the frame must not end in a click once it is disabled.
      if (!control.enabled() && GetCapture() == item->window) ReleaseCapture();
      if (!control.enabled()) pressed_.clear();
      ShowWindow(item->window, control.visible() ? SW_SHOWNA : SW_HIDE);
      EnableWindow(item->window, control.enabled() ? TRUE : FALSE);
      return;
    case ControlKind::Label:
      if (item->layout->autoSize) fitLabel(*item);
      if (item->layout->link) updateTooltip(*item);
      break;
    case ControlKind::Line:
      break;
  }
  InvalidateRect(item->container, nullptr, FALSE);
}

ControlItem* WindowView::itemOf(const Control& control) {
  for (auto& item : items_) {
    if (item->control == &control) return item.get();
  }
  return nullptr;
}

ControlItem* WindowView::itemOfWindow(HWND window) {
  if (window == nullptr) return nullptr;
  for (auto& item : items_) {
    if (item->window == window) return item.get();
  }
  return nullptr;
}

ControlItem* WindowView::buttonById(int id) {
  for (auto& item : items_) {
    if (item->id == id && item->layout->kind == ControlKind::Button) return item.get();
  }
  return nullptr;
}

// The topmost label under the point that is on screen.
ControlItem* WindowView::labelAt(HWND container, POINT point) {
  for (auto& item : items_) {
    if (item->layout->kind == ControlKind::Label && item->container == container &&
        item->control->visible() && PtInRect(&item->rect, point)) {
      return item.get();
    }
  }
  return nullptr;
}

bool WindowView::isDialogMessage(MSG& message) {
  if (window_ == nullptr) return false;
  // Only Alt with the underlined letter presses a button, not the bare letter.
  if (message.message == WM_CHAR && (message.hwnd == window_ || IsChild(window_, message.hwnd))) {
    return true;
  }
  return IsDialogMessageW(window_, &message) != FALSE;
}

void WindowView::paint(HWND container) {
  PAINTSTRUCT paintStruct;
  HDC screen = BeginPaint(container, &paintStruct);
  RECT client{};
  GetClientRect(container, &client);
  // Drawn off screen first, so that a repaint never flickers.
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width(client), height(client));
  const HGDIOBJ previous = SelectObject(dc, bitmap);
  const ControlItem* frame = itemOfWindow(container);
  SetDCBrushColor(dc, toColorRef(frame ? frame->layout->backColour : form_.layout().backColour));
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  // A frame has the standard border around its whole area and no caption.
  if (frame != nullptr) DrawEdge(dc, &client, EDGE_ETCHED, BF_RECT);
  for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
    if ((*it)->container == container && (*it)->window == nullptr) paintItem(dc, **it, scale_);
  }
  BitBlt(screen, 0, 0, width(client), height(client), dc, 0, 0, SRCCOPY);
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EndPaint(container, &paintStruct);
}

bool WindowView::setCursorOverLink(HWND container) {
  POINT point{};
  GetCursorPos(&point);
  ScreenToClient(container, &point);
  const ControlItem* item = labelAt(container, point);
  if (item == nullptr || !item->layout->link) return false;
  SetCursor(handCursor_ ? handCursor_.get() : LoadCursorW(nullptr, IDC_HAND));
  return true;
}

// A click on a label is a press and a release over the same label.
LRESULT WindowView::mouseMessage(HWND container, UINT message, LPARAM lParam) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ControlItem* item = labelAt(container, point);
  if (message == WM_LBUTTONDOWN) {
    pressed_ = item != nullptr ? item->control->name() : std::string();
    if (item != nullptr) SetCapture(container);
    return 0;
  }
  const std::string pressed = std::move(pressed_);
  pressed_.clear();
  if (GetCapture() == container) ReleaseCapture();
  // The handler may close this very window: nothing of it is touched afterwards.
  if (item != nullptr && !pressed.empty() && item->control->name() == pressed) form_.click(pressed);
  return 0;
}

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

LRESULT WindowView::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      paint(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint fills everything
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return mouseMessage(window, message, lParam);
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && setCursorOverLink(window)) return TRUE;
      break;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) {
        const ControlItem* button = buttonById(LOWORD(wParam));
        if (button != nullptr) form_.click(std::string(button->control->name()));
      }
      return 0;  // IDCANCEL from Escape closes nothing
    case DM_GETDEFID: {
      // Enter presses the focused button.
      const ControlItem* focused = itemOfWindow(GetFocus());
      if (focused != nullptr && focused->layout->kind == ControlKind::Button) {
        return MAKELRESULT(focused->id, DC_HASDEFID);
      }
      return 0;
    }
    case WM_CLOSE:
      form_.requestClose();
      return 0;
    case WM_ACTIVATE:
      if (window != window_) break;
      if (LOWORD(wParam) == WA_INACTIVE) {
        if (IsChild(window_, GetFocus())) lastFocus_ = GetFocus();
      } else if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_)) {
        SetFocus(lastFocus_);
      } else {
        focusFirstButton();
      }
      return 0;
    case WM_DPICHANGED: {
      applyDpi(HIWORD(wParam));
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace ttt
