#include "screens/access/Announcements.h"

#include "screens/access/AccessibleText.h"
#include "screens/layouts/BoardLayout.h"

namespace ttt {

namespace {

// The single-player window's score counts, Label10(0) under "WIN" and Label10(1) under "LOSS".
constexpr const char* kScoreArrayName = "Label10";

std::optional<std::string> scoreHeading(const ControlLayout& layout) {
  if (layout.name != kScoreArrayName) return std::nullopt;
  if (layout.index == 0) return "WIN";
  if (layout.index == 1) return "LOSS";
  return std::nullopt;
}

}  // namespace

std::optional<std::string> announcement(const ControlLayout& layout, std::string_view caption) {
  if (accessibleRole(layout) == AccessibleRole::Cell) {
    if (caption.empty()) return std::nullopt;
    return accessibleName(layout, caption);
  }
  if (auto heading = scoreHeading(layout)) return *heading + " " + std::string(caption);
  return std::nullopt;
}

std::string AnnouncementSequence::spoken(const std::string& text,
                                         std::chrono::steady_clock::time_point now) {
  const bool overlaps = lastTime_ && now - *lastTime_ < kOverlap;
  std::string said = overlaps ? lastText_ + ". " + text : text;
  lastText_ = text;
  lastTime_ = now;
  return said;
}

}  // namespace ttt
