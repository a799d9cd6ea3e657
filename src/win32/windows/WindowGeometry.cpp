#include "win32/windows/WindowGeometry.h"

#include <algorithm>
#include <cstddef>

#include "win32/system/WideText.h"

namespace ttt::geometry {
namespace {

void placeItem(ControlItem& item, const PlacedControl& placed, HWND window) {
  const ControlLayout& layout = item.layout;
  item.stacking = placed.stacking;
  item.tabOrder = placed.tabOrder;
  if (layout.kind == ControlKind::Line) {
    item.rect = {placed.line.x1, placed.line.y1, placed.line.x2, placed.line.y2};
    item.lineWidth = placed.line.width;
    return;
  }
  if (layout.kind == ControlKind::Label || layout.kind == ControlKind::Button) {
    item.font = createFont(layout.font, placed.fontPixels);
  }
  if (item.window != nullptr && layout.kind == ControlKind::Button) {
    SendMessageW(item.window, WM_SETFONT, reinterpret_cast<WPARAM>(item.font.get()), FALSE);
  }
  const PixelRect& r = placed.rect;
  item.rect = {r.x, r.y, r.x + r.width, r.y + r.height};
  if (item.window != nullptr) {
    SetWindowPos(item.window, nullptr, item.rect.left, item.rect.top, width(item.rect),
                 height(item.rect), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (layout.kind == ControlKind::Label && layout.autoSize) fitLabel(item, window);
}

// The part of a child window that child windows stacked above it in the layout cover.
HRGN uncoveredRegion(const ControlItem& lower, const std::vector<ControlItem*>& others) {
  const RECT& own = lower.rect;
  HRGN region = CreateRectRgn(0, 0, width(own), height(own));
  bool clipped = false;
  for (const ControlItem* upper : others) {
    RECT overlap{};
    if (upper == &lower || upper->container != lower.container ||
        upper->stacking < lower.stacking || !IntersectRect(&overlap, &own, &upper->rect)) {
      continue;
    }
    OffsetRect(&overlap, -own.left, -own.top);
    HRGN covered = CreateRectRgnIndirect(&overlap);
    CombineRgn(region, region, covered, RGN_DIFF);
    DeleteObject(covered);
    clipped = true;
  }
  if (clipped) return region;
  DeleteObject(region);
  return nullptr;
}

}  // namespace

void placeItems(const ControlItems& items, const PlacedForm& placed, HWND window) {
  for (std::size_t i = 0; i < items.size(); ++i) placeItem(*items[i], placed.controls[i], window);
  stackChildWindows(items);
}

void fitLabel(ControlItem& item, HWND window) {
  HDC dc = GetDC(window);
  const SIZE size = measureCaption(dc, item.font.get(), toWide(item.control.caption()));
  ReleaseDC(window, dc);
  item.rect.right = item.rect.left + size.cx;
  item.rect.bottom = item.rect.top + size.cy;
}

// The dialog navigation moves the focus in the order of the child windows, so the buttons are
// put in tab order. Where that puts a button over one that the layout stacks above it, the
// lower one gives up the overlap through its window region.
void stackChildWindows(const ControlItems& items) {
  std::vector<ControlItem*> order = buttonsInTabOrder(items);
  for (const auto& item : items) {
    if (item->layout.kind == ControlKind::Frame) order.push_back(item.get());
  }
  HWND after = HWND_TOP;
  for (ControlItem* item : order) {
    SetWindowPos(item->window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = item->window;
  }
  for (std::size_t lower = 0; lower < order.size(); ++lower) {
    const std::vector<ControlItem*> later(order.begin() + static_cast<std::ptrdiff_t>(lower) + 1,
                                          order.end());
    // The window owns the region from then on.
    SetWindowRgn(order[lower]->window, uncoveredRegion(*order[lower], later), TRUE);
  }
}

std::vector<ControlItem*> buttonsInTabOrder(const ControlItems& items) {
  std::vector<ControlItem*> buttons;
  for (const auto& item : items) {
    if (item->tabOrder >= 0) buttons.push_back(item.get());
  }
  std::ranges::sort(buttons, {}, &ControlItem::tabOrder);
  return buttons;
}

}  // namespace ttt::geometry
