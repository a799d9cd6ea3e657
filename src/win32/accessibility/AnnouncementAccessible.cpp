#include "win32/accessibility/AnnouncementAccessible.h"

#include <utility>

namespace ttt {

AnnouncementAccessible::AnnouncementAccessible(HWND window, std::wstring text)
    : window_(window), text_(std::move(text)) {}

RECT AnnouncementAccessible::screenRect() const {
  return clientAreaOnScreen(window_);
}

IDispatch* AnnouncementAccessible::parent() {
  IDispatch* client = nullptr;
  AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_CLIENT), IID_IDispatch,
                             reinterpret_cast<void**>(&client));
  return client;
}

}  // namespace ttt
