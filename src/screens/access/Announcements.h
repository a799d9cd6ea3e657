#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "forms/Layout.h"

namespace ttt {

// What a screen reader says unasked when a control on screen comes to show `caption`: a mark
// placed in a cell, by its place ("top left, X"), whoever placed it; a score count, under its
// heading ("WIN 1", "LOSS 2"). Nothing for a cell being cleared or for any other control,
// since the player reads those when they want to.
std::optional<std::string> announcement(const ControlLayout& layout, std::string_view caption);

// Orca cuts short what it is saying for each new announcement. One that comes this soon after
// the last (the computer answering the player's mark) repeats the last first, so that a player
// hears both.
class AnnouncementSequence {
 public:
  static constexpr std::chrono::milliseconds kOverlap{100};
  // What to say for `text`, announced at `now`.
  std::string spoken(const std::string& text, std::chrono::steady_clock::time_point now);

 private:
  std::string lastText_;
  std::optional<std::chrono::steady_clock::time_point> lastTime_;
};

}  // namespace ttt
