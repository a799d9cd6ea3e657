#include "win32/LinkLabels.h"

#include <commctrl.h>

#include <string>

#include "art/Images.h"
#include "win32/WideText.h"

namespace ttt {

LinkLabels::LinkLabels(HWND window)
    : handCursor_(createCursor(handCursor(), kHandCursorHotSpotX, kHandCursorHotSpotY)) {
  if (window == nullptr) return;
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, nullptr, nullptr);
}

void LinkLabels::add(const ControlItem& item) {
  if (tooltip_ == nullptr) return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = item.container;
  tool.uId = static_cast<UINT_PTR>(item.id);
  std::wstring text = toWide(item.control.caption());
  tool.lpszText = text.data();
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void LinkLabels::update(const ControlItem& item) {
  if (tooltip_ == nullptr) return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = item.container;
  tool.uId = static_cast<UINT_PTR>(item.id);
  tool.rect = item.rect;
  SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
  std::wstring text = toWide(item.control.caption());
  tool.lpszText = text.data();
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool LinkLabels::setCursor(const ControlItems& items, HWND container) const {
  POINT point{};
  GetCursorPos(&point);
  ScreenToClient(container, &point);
  const ControlItem* item = labelAt(items, container, point);
  if (item == nullptr || !item->layout.link) return false;
  SetCursor(handCursor_ ? handCursor_.get() : LoadCursorW(nullptr, IDC_HAND));
  return true;
}

ControlItem* labelAt(const ControlItems& items, HWND container, POINT point) {
  for (const auto& item : items) {
    if (item->layout.kind == ControlKind::Label && item->container == container &&
        item->control.visible() && PtInRect(&item->rect, point)) {
      return item.get();
    }
  }
  return nullptr;
}

}  // namespace ttt
