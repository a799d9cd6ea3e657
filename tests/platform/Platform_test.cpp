// The toolkit-free platform services: the link launcher and the clock-seeded random source.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "platform/ClockRandomSource.h"
#include "platform/UriLauncher.h"

namespace ttt::test {
namespace fs = std::filesystem;

TEST(UriLauncher, HandsTheTargetToTheOpenerAsOneArgumentAndDoesNotWait) {
  char pattern[] = "/tmp/ttt-opener-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const fs::path dir = pattern;
  // A fake opener first on PATH: it waits for "go", then records its arguments and descriptors.
  std::ofstream(dir / "xdg-open") << "#!/bin/sh\ni=0\nwhile [ ! -e " << dir / "go"
                                  << " ] && [ $((i += 1)) -lt 500 ]; do sleep 0.01; done\n"
                                  << "fds=$(cd /proc/$$/fd && readlink 0 1 2 $LEAK)\n"
                                  << "printf '%s\\n' \"$#\" \"$1\" \"$fds\" >> " << dir / "record" << "\n";
  fs::permissions(dir / "xdg-open", fs::perms::owner_all);
  const std::string path = std::getenv("PATH");
  setenv("PATH", (dir.string() + ":" + path).c_str(), 1);
  const int leak = open("/dev/null", O_RDONLY);  // the opener must not inherit it
  setenv("LEAK", std::to_string(leak).c_str(), 1);
  testing::internal::CaptureStderr();
  UriLauncher("ttt-no-such-opener").open("http://a.example/");
  UriLauncher launcher;
  // No target, and a target the opener would read as an option.
  for (const char* ignored : {"", "--help"}) launcher.open(ignored);
  const std::string target = "http://a.example/x;touch pwned && echo $(id) `id` 'q\" &";
  launcher.open(target);
  EXPECT_FALSE(fs::exists(dir / "record")) << "run() waited for the opener";
  std::ofstream(dir / "go").flush();
  while (waitpid(-1, nullptr, 0) > 0) {
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // a missing opener is silent
  std::ifstream record(dir / "record");
  std::vector<std::string> lines;
  for (std::string line; std::getline(record, line);) lines.push_back(line);
  // One argument, its streams on /dev/null, and no other descriptor of ours.
  EXPECT_EQ(lines, (std::vector<std::string>{"1", target, "/dev/null", "/dev/null", "/dev/null"}));
  close(leak);
  setenv("PATH", path.c_str(), 1);
  fs::remove_all(dir);
}

TEST(ClockRandomSource, ReseedsWithinOneClockReadingGiveFreshValuesOverAllNineCells) {
  // Re-seeded again and again at a reading that never moves, as a coarse clock looks to a loop.
  for (const std::uint64_t reading : {std::uint64_t{0}, std::uint64_t{1234567}, ~std::uint64_t{0}}) {
    ClockRandomSource random([reading] { return reading; });
    std::set<float> values;
    std::array<int, 9> cells{};
    for (int i = 0; i < 9000; ++i) {
      random.reseedFromClock();
      const float r = random.next();
      // In [0, 1) and made of 24 bits, so that the float holds it exactly and never rounds up to 1.
      ASSERT_TRUE(r >= 0.0f && r < 1.0f && r * 16777216.0f == std::floor(r * 16777216.0f)) << r;
      values.insert(r);
      ++cells[static_cast<std::size_t>(std::floor(r * 9.0f))];
    }
    EXPECT_GT(values.size(), 8990u);  // about 2 repeats are expected among 2^24 values
    for (const int count : cells) EXPECT_GT(count, 850);
  }
}

}  // namespace ttt::test
