#include "win32/windows/ControlItem.h"

#include "win32/system/WideText.h"
#include "win32/windows/WindowView.h"

namespace ttt {

namespace {

// The text is drawn as it stands: '&' marks no access key, and no line is wrapped.
constexpr UINT kLiteralText = DT_LEFT | DT_TOP | DT_NOPREFIX | DT_EXPANDTABS;

void paintLabel(HDC dc, const ControlItem& item) {
  const ControlLayout& layout = item.layout;
  if (layout.opaque) {
    SetDCBrushColor(dc, toColorRef(layout.backColour));
    FillRect(dc, &item.rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }
  const std::wstring text = toWide(item.control.caption());
  if (text.empty()) return;
  const HGDIOBJ previous = SelectObject(dc, item.font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, toColorRef(layout.foreColour));
  RECT box = item.rect;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, kLiteralText);
  SelectObject(dc, previous);
}

// A line with flat ends at its width in pixels at the window's DPI.
void paintLine(HDC dc, const ControlItem& item) {
  LOGBRUSH brush{BS_SOLID, toColorRef(item.layout.foreColour), 0};
  const auto width = static_cast<DWORD>(item.lineWidth);
  HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER, width, &brush,
                          0, nullptr);
  const HGDIOBJ previous = SelectObject(dc, pen);
  MoveToEx(dc, item.rect.left, item.rect.top, nullptr);
  LineTo(dc, item.rect.right, item.rect.bottom);
  SelectObject(dc, previous);
  DeleteObject(pen);
}

}  // namespace

void ControlItem::controlChanged(const Control& /*changed*/) { view.apply(*this); }

void paintContainer(HWND container, const std::vector<std::unique_ptr<ControlItem>>& items,
                    Colour background, bool frame) {
  PAINTSTRUCT paintStruct;
  HDC screen = BeginPaint(container, &paintStruct);
  RECT client{};
  GetClientRect(container, &client);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  const HGDIOBJ previous = SelectObject(dc, bitmap);
  SetDCBrushColor(dc, toColorRef(background));
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  if (frame) DrawEdge(dc, &client, EDGE_ETCHED, BF_RECT);
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    const ControlItem& item = **it;
    if (item.container != container || item.window != nullptr || !item.control.visible()) continue;
    if (item.layout.kind == ControlKind::Label) paintLabel(dc, item);
    if (item.layout.kind == ControlKind::Line) paintLine(dc, item);
  }
  BitBlt(screen, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EndPaint(container, &paintStruct);
}

SIZE measureCaption(HDC dc, HFONT font, const std::wstring& caption) {
  const HGDIOBJ previous = SelectObject(dc, font);
  RECT box{0, 0, 0, 0};
  if (caption.empty()) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    box.bottom = metrics.tmHeight;
  } else {
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box,
              kLiteralText | DT_CALCRECT);
  }
  SelectObject(dc, previous);
  return {box.right - box.left, box.bottom - box.top};
}

}  // namespace ttt
