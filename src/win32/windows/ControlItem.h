#pragma once

#include "win32/system/WinApi.h"

#include <memory>
#include <string>
#include <vector>

#include "forms/Control.h"
#include "screens/layouts/Placement.h"
#include "win32/system/GdiObjects.h"

namespace ttt {

class WindowView;

// One control of a window on screen. Buttons and frames are child windows; labels and lines
// have no window of their own and are drawn by their container, as the layouts stack them.
// The item hears of every change of its control and hands it to its window.
struct ControlItem final : ControlObserver {
  ControlItem(WindowView& owner, Control& shown, int commandId)
      : view(owner), control(shown), layout(shown.layout()), id(commandId) {}
  void controlChanged(const Control& changed) override;

  WindowView& view;
  Control& control;
  const ControlLayout& layout;
  int id;                    // buttons' command id, labels' tooltip id
  HWND window = nullptr;     // the button's or frame's own window
  HWND container = nullptr;  // the window it lies in: the top-level one or a frame
  RECT rect{};               // in the container's pixels; a line's end points are apart
  int lineWidth = 1;         // in pixels at the window's DPI
  int stacking = 0;          // 0 = bottom-most
  int tabOrder = -1;         // among the buttons, -1 for the others
  FontHandle font;
};

// Paints a container (the top-level window or a frame) off screen first, so that a repaint
// never flickers: its background, a frame's etched border, and its labels and lines from the
// bottom of the stack up.
void paintContainer(HWND container, const std::vector<std::unique_ptr<ControlItem>>& items,
                    Colour background, bool frame);
// The size of a label's caption in its font, drawn literally: an empty caption keeps the
// height of one line.
SIZE measureCaption(HDC dc, HFONT font, const std::wstring& caption);

}  // namespace ttt
