#pragma once

#include "win32/accessibility/AccessibleObject.h"

namespace ttt {

// One thing said to the player unasked ("top left, X"): an alert whose name is what is said,
// standing in the window's client area without being one of its children, so that reading
// the window and its reading order are unchanged. Its name never changes, so a screen reader
// that reads it late still hears what was said then, not what followed.
class AnnouncementAccessible : public AccessibleObject {
 public:
  AnnouncementAccessible(HWND window, std::wstring text);

 protected:
  LONG role() const override { return ROLE_SYSTEM_ALERT; }
  std::wstring name() const override { return text_; }
  LONG state() const override { return STATE_SYSTEM_READONLY; }
  RECT screenRect() const override;
  IDispatch* parent() override;

 private:
  HWND window_;
  std::wstring text_;
};

}  // namespace ttt
