#pragma once

#include "win32/accessibility/AccessibleObject.h"

namespace ttt {

struct ControlItem;
class WindowAccessibility;

// The client area of a window, or of a frame (the board: a grouping named as the frame is),
// with its buttons, frames and painted labels as children.
class ClientAccessible : public AccessibleObject {
 public:
  // `frame` is the frame whose window `container` is; null for the top-level window.
  ClientAccessible(WindowAccessibility& owner, HWND container, const ControlItem* frame);

 protected:
  LONG role() const override;
  std::wstring name() const override;
  LONG state() const override;
  RECT screenRect() const override;
  IDispatch* parent() override;
  LONG childCount() const override;
  IDispatch* child(LONG id) override;
  IDispatch* childAt(POINT onScreen) override;
  IDispatch* focusedChild() override;

 private:
  WindowAccessibility& owner_;
  HWND container_;
  const ControlItem* frame_;
};

}  // namespace ttt
