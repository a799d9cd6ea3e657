#pragma once

#include "win32/system/WinApi.h"

#include <vector>

#include "screens/layouts/Placement.h"
#include "win32/windows/LinkLabels.h"

namespace ttt {

// Where a window's items go at its DPI, from the shared placement: rectangles, line ends and
// widths, fonts, labels fitted to their text, and the child windows stacked.
namespace geometry {

inline int width(const RECT& rect) { return rect.right - rect.left; }
inline int height(const RECT& rect) { return rect.bottom - rect.top; }

// Places every item as the placement says; `window` measures the labels that fit their text.
void placeItems(const ControlItems& items, const PlacedForm& placed, HWND window);
// A label that sizes itself to its text takes its caption's size, keeping its top left corner.
void fitLabel(ControlItem& item, HWND window);
// The buttons in tab order, then the frames: the order of the child windows.
void stackChildWindows(const ControlItems& items);
std::vector<ControlItem*> buttonsInTabOrder(const ControlItems& items);

}  // namespace geometry
}  // namespace ttt
