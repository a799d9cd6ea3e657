#pragma once

#include "win32/WinApi.h"

#include <string>

#include "forms/Layout.h"
#include "win32/GdiObjects.h"

namespace ttt {

class Control;

// One control of a window on screen. Buttons and frames are child windows; labels and lines
// have no window of their own and are drawn by their container, as the layouts stack them.
struct ControlItem {
  const Control* control = nullptr;
  const ControlLayout* layout = nullptr;
  HWND window = nullptr;     // the button's or frame's own window
  HWND container = nullptr;  // the window it lies in: the top-level one or a frame
  RECT rect{};               // in the container's pixels; a line's end points are apart
  FontHandle font;
  int id = 0;  // buttons' command id, labels' tooltip id
};

// Draws a label or a line of the item's container into the device context.
void paintItem(HDC dc, const ControlItem& item, const Scale& scale);
// The size of a label's caption in its font, drawn literally: an empty caption keeps the
// height of one line.
SIZE measureCaption(HDC dc, HFONT font, const std::wstring& caption);

}  // namespace ttt
