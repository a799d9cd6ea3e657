#include "win32/accessibility/Announcer.h"

#include "win32/accessibility/AnnouncementAccessible.h"

namespace ttt {

// A reader may still hold an announcement: from now on it only hears that it is gone.
Announcer::~Announcer() {
  for (auto& [id, object] : recent_) {
    object->disconnect();
    object->Release();
  }
}

void Announcer::announce(std::wstring text) {
  if (recent_.size() == kKept) {
    recent_.front().second->disconnect();
    recent_.front().second->Release();
    recent_.pop_front();
  }
  recent_.emplace_back(++lastId_, new AnnouncementAccessible(window_, std::move(text)));
  NotifyWinEvent(EVENT_SYSTEM_ALERT, window_, lastId_, CHILDID_SELF);
}

IDispatch* Announcer::objectOf(LONG objectId) const {
  for (const auto& [id, object] : recent_) {
    if (id != objectId) continue;
    object->AddRef();
    return object;
  }
  return nullptr;
}

}  // namespace ttt
