// The toolkit-free platform services: the links opened and their launcher, the clock-seeded
// random source, the desktop's name and what is said of X errors.
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
#include <tuple>
#include <vector>

#include "platform/ClockRandomSource.h"
#include "platform/LinkPolicy.h"
#include "platform/UriLauncher.h"
#include "platform/display/DesktopName.h"
#include "platform/display/XErrorReports.h"

// After GoogleTest, whose names Xlib's macros (None) would replace.
#include <X11/X.h>
#include <X11/Xproto.h>

namespace ttt::test {
namespace fs = std::filesystem;

// A fake xdg-open first on PATH for one test, removed afterwards. It waits for the file "go"
// in its directory, then writes its argument count, its argument and its descriptors to
// "record" there.
class FakeOpener {
 public:
  FakeOpener() : path_(std::getenv("PATH")) {
    char pattern[] = "/tmp/ttt-opener-XXXXXX";
    EXPECT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
    setenv("PATH", (dir.string() + ":" + path_).c_str(), 1);
    std::ofstream(dir / "xdg-open") << "#!/bin/sh\ni=0\nwhile [ ! -e " << (dir / "go").string()
                                    << " ] && [ $((i += 1)) -lt 500 ]; do sleep 0.01; done\n"
                                       "fds=$(cd /proc/$$/fd && readlink 0 1 2 $LEAK)\n"
                                       "printf '%s\\n' \"$#\" \"$1\" \"$fds\" >> "
                                    << (dir / "record").string() << "\n";
    fs::permissions(dir / "xdg-open", fs::perms::owner_all);
  }
  ~FakeOpener() {
    setenv("PATH", path_.c_str(), 1);
    fs::remove_all(dir);
  }
  // The lines of the record, once there are `count` of them (bounded wait).
  std::vector<std::string> record(std::size_t count) const {
    std::vector<std::string> read;
    for (int tries = 0; tries < 1000 && read.size() < count; ++tries) {
      if (tries > 0) usleep(10000);
      read.clear();
      std::ifstream record(dir / "record");
      for (std::string line; std::getline(record, line);) read.push_back(line);
    }
    return read;
  }
  fs::path dir;

 private:
  std::string path_;
};

TEST(LinkPolicy, OpensOnlyWebAndMailAddressesWithoutControlCharacters) {
  for (const char* link : {"http://a.example/", "https://a.example/x?y=1&z=2", "HTTPS://A.EXAMPLE",
                           "mailto:me@example.org", "MailTo:me@example.org",
                           "http://a.example/x;touch pwned && echo $(id)"}) {
    EXPECT_TRUE(isLinkTarget(link)) << link;
  }
  for (const char* refused :
       {"", "-", "--help", "-http://a.example/", "http://", "mailto:", "https:/a.example",
        "file:///etc/passwd", "C:\\Windows\\notepad.exe", "notepad", "javascript:alert(1)",
        " http://a.example/", "ftp://a.example/", "http://a.example/\nrm -rf /",
        "http://a.example/\x7F", "mailto:me@example.org\r"}) {
    EXPECT_FALSE(isLinkTarget(refused)) << refused;
  }
  EXPECT_FALSE(isLinkTarget(std::string("http://a.example/\0x", 19))) << "an embedded NUL";
}

TEST(UriLauncher, HandsTheTargetToAnOpenerNotOurChildAsOneArgumentAndDoesNotWait) {
  FakeOpener opener;
  // The opener must not inherit it; numbered high, clear of the shell's own descriptors.
  const int devNull = open("/dev/null", O_RDONLY | O_CLOEXEC);
  const int leak = fcntl(devNull, F_DUPFD, 90);
  setenv("LEAK", std::to_string(leak).c_str(), 1);
  testing::internal::CaptureStderr();
  UriLauncher("ttt-no-such-opener").open("http://a.example/");
  UriLauncher launcher;
  // No target, and a target the opener would read as an option.
  for (const char* ignored : {"", "--help"}) launcher.open(ignored);
  const std::string target = "http://a.example/x;touch pwned && echo $(id) `id` 'q\" &";
  launcher.open(target);
  EXPECT_FALSE(fs::exists(opener.dir / "record")) << "open() waited for the opener";
  // Nobody's child of ours: none left running, and no zombie of ours when it ends.
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  std::ofstream(opener.dir / "go").flush();
  // One argument, its streams on /dev/null, and no other descriptor of ours.
  EXPECT_EQ(opener.record(5),
            (std::vector<std::string>{"1", target, "/dev/null", "/dev/null", "/dev/null"}));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // a missing opener is silent
  close(leak);
  close(devNull);
}

TEST(ClockRandomSource, ReseedsWithinOneClockReadingGiveFreshValuesOverAllNineCells) {
  // Re-seeded again and again at a reading that never moves, as a coarse clock looks to a loop.
  for (const std::uint64_t reading :
       {std::uint64_t{0}, std::uint64_t{1234567}, ~std::uint64_t{0}}) {
    ClockRandomSource random([reading] { return reading; });
    std::set<float> values;
    std::array<int, 9> cells{};
    for (int i = 0; i < 9000; ++i) {
      random.reseedFromClock();
      const float r = random.next();
      // In [0, 1) and made of 24 bits, so that the float holds it exactly and never rounds up to 1.
      ASSERT_GE(r, 0.0f);
      ASSERT_LT(r, 1.0f);
      ASSERT_EQ(r * 16777216.0f, std::floor(r * 16777216.0f)) << r << " has more than 24 bits";
      values.insert(r);
      ++cells[static_cast<std::size_t>(std::floor(r * 9.0f))];
    }
    EXPECT_GT(values.size(), 8990u);  // about 2 repeats are expected among 2^24 values
    for (const int count : cells) EXPECT_GT(count, 850);
  }
}

TEST(DesktopName, NamesTheDisplayWithoutItsScreenFitForAFileName) {
  const std::tuple<const char*, bool, const char*> cases[] = {
      {":1", false, "x11-:1"},
      {":1.0", false, "x11-:1"},  // the same desktop as ":1"
      {"host.example:1.2", false, "x11-host.example:1"},
      {"host.example:1", false, "x11-host.example:1"},  // a dot before the colon is the host's
      {"/tmp/launchd.x/org.xquartz:0", false, "x11-_tmp_launchd.x_org.xquartz:0"},
      {"wayland-1", true, "wayland-wayland-1"},
      {"/run/user/1000/wayland-0.5", true, "wayland-_run_user_1000_wayland-0.5"}};
  for (const auto& [value, wayland, name] : cases) {
    setenv(wayland ? "WAYLAND_DISPLAY" : "DISPLAY", value, 1);
    EXPECT_EQ(desktopName(wayland), name) << value;
  }
  unsetenv("DISPLAY");  // no other test here needs it
  EXPECT_EQ(desktopName(false), "x11-");
}

TEST(XErrorReports, GoneWindowsAreReportedOnceAndOtherErrorsUpToTwenty) {
  XErrorReports reports;
  EXPECT_EQ(reports.lineFor(nullptr, BadWindow, X_GetProperty, 0x1a),
            "ignoring X errors about windows that are gone (3 in 20)");
  EXPECT_EQ(reports.lineFor(nullptr, BadDrawable, X_GetProperty, 0x1b), "");
  for (int i = 1; i <= 20; ++i)
    EXPECT_EQ(reports.lineFor(nullptr, BadAtom, X_GetProperty, 0xbeef),
              "X error 5 in 20 on resource 0xbeef; carrying on")
        << i;
  EXPECT_EQ(reports.lineFor(nullptr, BadAtom, X_GetProperty, 1),
            "more X errors; no longer reporting them");
  EXPECT_EQ(reports.lineFor(nullptr, BadAtom, X_GetProperty, 1), "");
  EXPECT_EQ(reports.lineFor(nullptr, BadWindow, X_GetProperty, 1), "");
}

}  // namespace ttt::test
