#pragma once

#include "win32/system/WinApi.h"
#include <oleacc.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "screens/access/AccessibleDescription.h"
#include "win32/accessibility/Announcer.h"
#include "win32/windows/ControlItem.h"

namespace ttt {

class ClientAccessible;
class LabelAccessible;

// What one window shows to screen readers through MSAA, rendering the form's accessible
// description: the client area of the window and of each frame is an object whose children,
// in the description's reading order, are the buttons (with the platform's own objects),
// the frames, and the labels and cells that the window paints, each an object of its own
// with its role, name, states and place. A mark placed and a score counted are announced
// besides, as alerts of their own. Its objects live as long as their clients hold them; once
// the window goes they are disconnected.
class WindowAccessibility {
 public:
  using Items = std::vector<std::unique_ptr<ControlItem>>;
  using Click = std::function<void(const ControlItem&)>;

  // `items` are the window's, topmost first; `click` clicks a label as the mouse does.
  WindowAccessibility(HWND window, Form& form, const Items& items, Click click);
  ~WindowAccessibility();
  WindowAccessibility(const WindowAccessibility&) = delete;
  WindowAccessibility& operator=(const WindowAccessibility&) = delete;

  // The answer to WM_GETOBJECT sent to the window or to one of its frames: our object for
  // the client area or for a recent announcement, 0 for anything else (the platform's own
  // objects).
  LRESULT answer(HWND container, WPARAM flags, LPARAM objectId);
  // Tells the screen readers listening when a shown label's spoken name has changed, and
  // announces the change where the player is to hear it unasked.
  void changed(const ControlItem& item);

  // For the objects: their children in reading order, and the objects of each (new
  // references).
  std::vector<const ControlItem*> childrenOf(HWND container) const;
  const ControlItem* childAt(HWND container, POINT clientPoint) const;
  const ControlItem* itemOfWindow(HWND window) const;
  AccessibleStates statesOf(const ControlItem& item) const;
  IDispatch* objectOf(const ControlItem& item);
  IDispatch* clientOf(HWND container);
  HWND window() const { return window_; }
  void click(const ControlItem& label) const { click_(label); }

 private:
  const ControlItem* itemOf(const Control& control) const;

  HWND window_;
  AccessibleDescription description_;
  const Items& items_;
  Click click_;
  Announcer announcer_;
  std::map<HWND, ClientAccessible*> clients_;
  std::map<const ControlItem*, LabelAccessible*> labels_;
  std::map<const ControlItem*, std::wstring> names_;  // as screen readers last heard them
};

// The name a screen reader speaks for a label, as it is now.
std::wstring spokenName(const ControlItem& item);

}  // namespace ttt
