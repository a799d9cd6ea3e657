#include "desktop/ClockRandomSource.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <set>
#include <vector>

namespace ttt::test {
namespace {

// The cell a draw picks: floor(r * 9), in single precision as the game computes it.
int cellOf(float r) { return static_cast<int>(std::floor(r * 9.0f)); }

ClockRandomSource::Clock fixedClock(std::uint64_t reading) {
  return [reading] { return reading; };
}

TEST(ClockRandomSource, ValuesAreInTheUnitIntervalAndMadeOf24Bits) {
  for (const std::uint64_t reading : {std::uint64_t{0}, std::uint64_t{1}, ~std::uint64_t{0}}) {
    ClockRandomSource random(fixedClock(reading));
    for (int i = 0; i < 20000; ++i) {
      if (i % 3 == 0) random.reseedFromClock();
      const float r = random.next();
      ASSERT_GE(r, 0.0f);
      ASSERT_LT(r, 1.0f);
      const float scaled = r * 16777216.0f;
      ASSERT_EQ(scaled, std::floor(scaled)) << r << " is not a multiple of 2^-24";
      ASSERT_LE(cellOf(r), 8);
    }
  }
}

TEST(ClockRandomSource, ReseedsWithinOneClockReadingDoNotRepeat) {
  // A clock that never moves, as a coarse clock looks to a tight loop.
  ClockRandomSource random(fixedClock(1234567));
  std::set<float> values;
  std::set<int> cells;
  constexpr int kDraws = 1000;
  for (int i = 0; i < kDraws; ++i) {
    random.reseedFromClock();
    const float r = random.next();
    values.insert(r);
    cells.insert(cellOf(r));
  }
  EXPECT_GT(values.size(), static_cast<std::size_t>(kDraws - 5));
  EXPECT_EQ(cells.size(), 9u);
}

TEST(ClockRandomSource, CellsAreReachedEvenly) {
  ClockRandomSource random(fixedClock(42));
  std::array<int, 9> counts{};
  constexpr int kDraws = 90000;
  for (int i = 0; i < kDraws; ++i) {
    random.reseedFromClock();
    ++counts[static_cast<std::size_t>(cellOf(random.next()))];
  }
  // Chi-square with 8 degrees of freedom; 26.1 is its 0.1% tail.
  double chiSquare = 0;
  for (const int count : counts) {
    const double difference = count - kDraws / 9.0;
    chiSquare += difference * difference / (kDraws / 9.0);
  }
  EXPECT_LT(chiSquare, 26.1);
}

TEST(ClockRandomSource, EachReseedReadsTheClock) {
  // Two sources that start alike and are re-seeded at different readings part ways.
  const auto draws = [](std::uint64_t laterReading) {
    std::uint64_t reading = 7;
    ClockRandomSource random([&reading] { return reading; });
    reading = laterReading;
    std::vector<float> values;
    for (int i = 0; i < 16; ++i) {
      random.reseedFromClock();
      values.push_back(random.next());
    }
    return values;
  };
  EXPECT_EQ(draws(100), draws(100));
  EXPECT_NE(draws(100), draws(101));
}

}  // namespace
}  // namespace ttt::test
