#include "win32/windows/LinkLabels.h"

#include <commctrl.h>

#include <string>
#include <utility>

#include "art/Images.h"
#include "win32/system/WideText.h"

namespace ttt {

namespace {

constexpr int kTextInset = 2;  // the pixels between a tooltip's edge and its text at 96 dpi

}  // namespace

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

// The tooltip's own font is for the system's DPI, which need not be the window's. A tip shown
// at the old DPI goes: the tooltip sizes itself to its text only as a tip is shown.
void LinkLabels::setDpi(UINT dpi) {
  if (tooltip_ == nullptr) return;
  SendMessageW(tooltip_, TTM_POP, 0, 0);
  FontHandle font = createSystemFont(SystemFont::Status, dpi);
  if (!font) return;
  SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  font_ = std::move(font);
  // The tooltip keeps two pixels around its text whatever the DPI; the margins add what the
  // DPI adds to those two.
  const int grown = MulDiv(kTextInset, static_cast<int>(dpi), 96) - kTextInset;
  RECT margin{grown, grown, grown, grown};
  SendMessageW(tooltip_, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
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
