#include "platform/ClockRandomSource.h"

#include <chrono>
#include <utility>

namespace ttt {

namespace {

constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ULL;

// The splitmix64 output function: every input bit affects every output bit.
std::uint64_t mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

}  // namespace

ClockRandomSource::ClockRandomSource(Clock clock)
    : clock_(std::move(clock)), state_(mix(clock_())) {}

std::uint64_t ClockRandomSource::steadyClockNanoseconds() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

void ClockRandomSource::reseedFromClock() {
  // Folding the reading into the state keeps what earlier draws advanced it by.
  state_ = mix(state_ ^ mix(clock_() + kGoldenGamma));
}

float ClockRandomSource::next() {
  constexpr float kTwoToThe24 = 16777216.0f;
  return static_cast<float>(step() >> 40) / kTwoToThe24;
}

std::uint64_t ClockRandomSource::step() {
  state_ += kGoldenGamma;
  return mix(state_);
}

}  // namespace ttt
