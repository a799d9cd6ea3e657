#include "win32/windows/ChildWindows.h"

#include <commctrl.h>

#include <cstddef>

#include "screens/access/AccessibleText.h"
#include "screens/text/CaptionMarkup.h"
#include "win32/system/DpiFunctions.h"
#include "win32/system/WideText.h"
#include "win32/windows/WindowGeometry.h"

namespace ttt::childwindows {

using geometry::height;
using geometry::width;

namespace {

constexpr const wchar_t* kWindowClass = L"OrvaneTicTacToeWindow";
constexpr const wchar_t* kFrameClass = L"OrvaneTicTacToeFrame";

DWORD windowStyle() { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN; }

// A fixed dialog frame, or a fixed single border: neither can be resized.
DWORD windowExStyle(const FormLayout& layout) {
  return layout.border == BorderStyle::FixedDialog ? WS_EX_DLGMODALFRAME : 0;
}

void createChildWindow(ControlItem& item, LinkLabels& links, void* view) {
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
                                  item.container, id, GetModuleHandleW(nullptr), view);
  } else {
    if (layout.link) links.add(item);
    return;
  }
  EnableWindow(item.window, item.control.enabled() ? TRUE : FALSE);
}

}  // namespace

void registerClasses(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
  windowClass.lpszClassName = kFrameClass;
  RegisterClassExW(&windowClass);
}

HWND createFormWindow(const FormLayout& layout, HWND owner, void* view) {
  return CreateWindowExW(windowExStyle(layout), kWindowClass, toWide(layout.caption).c_str(),
                         windowStyle(), CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner, nullptr,
                         GetModuleHandleW(nullptr), view);
}

void createChildWindows(const ControlItems& items, const FormLayout& layout, HWND window,
                        LinkLabels& links, void* view) {
  const PlacedForm placed = placeForm(layout, USER_DEFAULT_SCREEN_DPI);
  for (const bool frames : {true, false}) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      ControlItem& item = *items[i];
      if ((item.layout.kind == ControlKind::Frame) != frames) continue;
      const int container = placed.controls[i].container;
      item.container = container < 0 ? window : items[static_cast<std::size_t>(container)]->window;
      createChildWindow(item, links, view);
    }
  }
}

void fitFrameToClient(HWND window, const FormLayout& layout, const PlacedForm& placed, UINT dpi) {
  RECT frame{0, 0, placed.clientWidth, placed.clientHeight};
  DpiFunctions::system().adjustWindowRect(frame, windowStyle(), windowExStyle(layout), dpi);
  SetWindowPos(window, nullptr, 0, 0, width(frame), height(frame),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void centreOnWorkArea(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  SetWindowPos(window, nullptr, work.left + (width(work) - width(frame)) / 2,
               work.top + (height(work) - height(frame)) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring buttonText(const Control& button) {
  return toWide(mnemonicCaption(parseCaption(button.caption())));
}

}  // namespace ttt::childwindows
