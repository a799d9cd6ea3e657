#include "win32/accessibility/WindowAccessibility.h"

#include <algorithm>
#include <utility>

#include "forms/Control.h"
#include "screens/access/AccessibleText.h"
#include "screens/access/Announcements.h"
#include "win32/accessibility/ClientAccessible.h"
#include "win32/accessibility/LabelAccessible.h"
#include "win32/windows/LinkLabels.h"
#include "win32/system/WideText.h"

namespace ttt {

std::wstring spokenName(const ControlItem& item) {
  return toWide(accessibleName(item.layout, item.control.caption()));
}

WindowAccessibility::WindowAccessibility(HWND window, Form& form, const Items& items, Click click)
    : window_(window), description_(form), items_(items), click_(std::move(click)), announcer_(window) {
  for (const auto& item : items_) {
    if (item->layout.kind == ControlKind::Label) names_[item.get()] = spokenName(*item);
  }
}

// A client may hold an object for longer than the window lives: from now on it only hears
// that the object is gone.
WindowAccessibility::~WindowAccessibility() {
  for (auto& [container, client] : clients_) {
    client->disconnect();
    client->Release();
  }
  for (auto& [item, label] : labels_) {
    label->disconnect();
    label->Release();
  }
}

LRESULT WindowAccessibility::answer(HWND container, WPARAM flags, LPARAM objectId) {
  IDispatch* object = nullptr;
  if (container == window_ && static_cast<LONG>(objectId) > 0) {
    object = announcer_.objectOf(static_cast<LONG>(objectId));
  } else if (static_cast<LONG>(objectId) == OBJID_CLIENT &&
             (container == window_ || itemOfWindow(container) != nullptr)) {
    object = clientOf(container);
  }
  if (object == nullptr) return 0;
  const LRESULT result = LresultFromObject(__uuidof(IAccessible), flags, object);
  object->Release();
  return result;
}

void WindowAccessibility::changed(const ControlItem& item) {
  const auto known = names_.find(&item);
  if (known == names_.end()) return;
  std::wstring name = spokenName(item);
  if (name == known->second) return;
  known->second = std::move(name);
  // A hidden label (the side to move, the move counter) changes unheard.
  if (!statesOf(item).showing) return;
  const auto siblings = childrenOf(item.container);
  const auto place = std::find(siblings.begin(), siblings.end(), &item);
  if (place == siblings.end()) return;
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, item.container, OBJID_CLIENT,
                 static_cast<LONG>(place - siblings.begin()) + 1);
  if (const auto said = announcement(item.layout, item.control.caption())) {
    announcer_.announce(toWide(*said));
  }
}

std::vector<const ControlItem*> WindowAccessibility::childrenOf(HWND container) const {
  int parent = -1;
  if (container != window_) {
    const ControlItem* frame = itemOfWindow(container);
    const auto place = frame ? description_.placeOf(frame->control) : std::nullopt;
    if (!place) return {};
    parent = static_cast<int>(*place);
  }
  std::vector<const ControlItem*> children;
  for (const std::size_t child : description_.childrenOf(parent)) {
    if (const ControlItem* item = itemOf(*description_.items()[child].control))
      children.push_back(item);
  }
  return children;
}

const ControlItem* WindowAccessibility::itemOf(const Control& control) const {
  for (const auto& item : items_) {
    if (&item->control == &control) return item.get();
  }
  return nullptr;
}

AccessibleStates WindowAccessibility::statesOf(const ControlItem& item) const {
  const auto place = description_.placeOf(item.control);
  return place ? description_.states(description_.items()[*place]) : AccessibleStates{};
}

// The child window under the point, or else the topmost label on screen there.
const ControlItem* WindowAccessibility::childAt(HWND container, POINT clientPoint) const {
  const HWND child = ChildWindowFromPointEx(container, clientPoint, CWP_SKIPINVISIBLE);
  if (child != nullptr && child != container) return itemOfWindow(child);
  return labelAt(items_, container, clientPoint);
}

const ControlItem* WindowAccessibility::itemOfWindow(HWND window) const {
  if (window == nullptr) return nullptr;
  for (const auto& item : items_) {
    if (item->window == window) return item.get();
  }
  return nullptr;
}

// A button keeps the platform's own object; a frame and a label have ours.
IDispatch* WindowAccessibility::objectOf(const ControlItem& item) {
  if (item.layout.kind == ControlKind::Frame) return clientOf(item.window);
  if (item.window != nullptr) {
    IDispatch* native = nullptr;
    AccessibleObjectFromWindow(item.window, static_cast<DWORD>(OBJID_CLIENT), IID_IDispatch,
                               reinterpret_cast<void**>(&native));
    return native;
  }
  LabelAccessible*& label = labels_[&item];
  if (label == nullptr) label = new LabelAccessible(*this, item);
  label->AddRef();
  return label;
}

IDispatch* WindowAccessibility::clientOf(HWND container) {
  ClientAccessible*& client = clients_[container];
  if (client == nullptr) client = new ClientAccessible(*this, container, itemOfWindow(container));
  client->AddRef();
  return client;
}

}  // namespace ttt
