#pragma once

#include "win32/system/WinApi.h"

#include <memory>
#include <vector>

#include "win32/windows/ControlItem.h"
#include "win32/system/GdiObjects.h"

namespace ttt {

using ControlItems = std::vector<std::unique_ptr<ControlItem>>;

// The link labels of one window: a tooltip that repeats each one's caption, and the hand
// cursor while the mouse is over one.
class LinkLabels {
 public:
  // The tooltips belong to the window and go with it; they must go before this does, which
  // keeps their font.
  explicit LinkLabels(HWND window);
  void add(const ControlItem& item);
  // The label has moved, grown or changed its caption.
  void update(const ControlItem& item);
  // The window is now at this DPI: the tooltip's text and margins are made for it.
  void setDpi(UINT dpi);
  // Shows the hand when the mouse is over a link label of the container; says whether it did.
  bool setCursor(const ControlItems& items, HWND container) const;

 private:
  HWND tooltip_ = nullptr;
  FontHandle font_;
  IconHandle handCursor_;
};

// The topmost label on screen under a point of the container, or null.
ControlItem* labelAt(const ControlItems& items, HWND container, POINT point);

}  // namespace ttt
