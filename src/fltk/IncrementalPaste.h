#pragma once

#include <string>

namespace ttt {

// Takes over pastes that the clipboard's owner sends in pieces (the X11 INCR transfer),
// which the system's FLTK 1.3 receives unsafely: an owner that sends a small or no size
// first makes it write past its buffer and crash. While an instance lives, such a paste is
// received here, before the toolkit sees it: piece by piece, leaving every other event
// queued, and handed as plain text to the widget with the keyboard focus (the one whose
// paste asked for it). A paste whose owner stops sending is dropped; pastes sent whole are
// left to the toolkit.
class IncrementalPaste {
 public:
  IncrementalPaste();
  ~IncrementalPaste();
  IncrementalPaste(const IncrementalPaste&) = delete;
  IncrementalPaste& operator=(const IncrementalPaste&) = delete;

  // At most this much of a paste is kept; the rest is received and dropped.
  static constexpr std::size_t kMaxKeptBytes = std::size_t{1} << 20;

 private:
  static int filter(void* event, void* data);
};

}  // namespace ttt
