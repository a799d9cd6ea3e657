#pragma once

#include "win32/system/WinApi.h"
#include <oleacc.h>

#include <deque>
#include <string>
#include <utility>

namespace ttt {

class AnnouncementAccessible;

// Says things to the player through screen readers without moving the focus: each
// announcement is an alert object of its own, with an object id of its own in the window,
// raised by EVENT_SYSTEM_ALERT, which NVDA and Narrator speak (and Windows 7 has). Readers
// take events out of process and read the object afterwards, so the last few stay readable:
// a mark and the reply a tick later are then both heard as they were said.
class Announcer {
 public:
  explicit Announcer(HWND window) : window_(window) {}
  ~Announcer();
  Announcer(const Announcer&) = delete;
  Announcer& operator=(const Announcer&) = delete;

  void announce(std::wstring text);
  // The object of one of the recent announcements (a new reference), or null.
  IDispatch* objectOf(LONG objectId) const;

 private:
  static constexpr std::size_t kKept = 8;

  HWND window_;
  // Custom object ids are positive; the system's own are not.
  LONG lastId_ = 0;
  std::deque<std::pair<LONG, AnnouncementAccessible*>> recent_;
};

}  // namespace ttt
