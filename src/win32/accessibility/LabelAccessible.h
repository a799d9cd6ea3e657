#pragma once

#include "win32/accessibility/AccessibleObject.h"

namespace ttt {

struct ControlItem;
class WindowAccessibility;

// A label that its window paints: static text, a link, or a cell of the board, which says
// its place and mark. Links and cells are clicked by their default action.
class LabelAccessible : public AccessibleObject {
 public:
  LabelAccessible(WindowAccessibility& owner, const ControlItem& item);

 protected:
  LONG role() const override;
  std::wstring name() const override;
  LONG state() const override;
  RECT screenRect() const override;
  IDispatch* parent() override;
  std::wstring defaultAction() const override;
  void doDefaultAction() override;

 private:
  WindowAccessibility& owner_;
  const ControlItem& item_;
};

}  // namespace ttt
