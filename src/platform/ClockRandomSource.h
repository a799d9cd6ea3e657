#pragma once

#include <cstdint>
#include <functional>

#include "forms/Services.h"

namespace ttt {

// A 64-bit generator (splitmix64 steps) re-seeded from a high-resolution clock. A re-seed
// mixes the clock reading into the state rather than replacing it, so re-seeding again and
// again within one reading of a coarse clock still gives fresh values.
class ClockRandomSource : public RandomSource {
 public:
  using Clock = std::function<std::uint64_t()>;

  // The clock defaults to the system's steady clock in nanoseconds.
  explicit ClockRandomSource(Clock clock = steadyClockNanoseconds);

  void reseedFromClock() override;
  // A value uniform in [0, 1) from 24 random bits, exactly representable as a float.
  float next() override;

  static std::uint64_t steadyClockNanoseconds();

 private:
  std::uint64_t step();

  Clock clock_;
  std::uint64_t state_;
};

}  // namespace ttt
