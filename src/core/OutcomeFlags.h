#pragma once

#include <cstdint>

namespace ttt {

// Booleans of the game windows are 16-bit integers: -1 true, 0 false.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// The three outcome flags of one game window. At most one of them is true at a time.
struct OutcomeFlags {
  std::int16_t XWIN = kFalse;
  std::int16_t OWIN = kFalse;
  std::int16_t TIE = kFalse;

  bool anySet() const { return XWIN != kFalse || OWIN != kFalse || TIE != kFalse; }
  friend bool operator==(const OutcomeFlags&, const OutcomeFlags&) = default;
};

}  // namespace ttt
