#include "desktop/UriLauncher.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace ttt::test {
namespace {

namespace fs = std::filesystem;

// A temporary directory that holds a fake opener, first on PATH for the test's lifetime.
class FakeOpenerTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/ttt-opener-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    const char* path = std::getenv("PATH");
    savedPath_ = path != nullptr ? path : "";
    setenv("PATH", (dir_.string() + ":" + savedPath_).c_str(), 1);
  }
  void TearDown() override {
    setenv("PATH", savedPath_.c_str(), 1);
    waitForChildren();
    fs::remove_all(dir_);
  }

  // The fake opener: `body` runs with "$log" naming the record file.
  void installOpener(const std::string& name, const std::string& body) {
    const fs::path script = dir_ / name;
    std::ofstream(script) << "#!/bin/sh\nlog='" << (dir_ / "record").string() << "'\n" << body;
    fs::permissions(script, fs::perms::owner_all);
  }

  // Every opener this test started has finished: the record is complete.
  static void waitForChildren() {
    int status = 0;
    while (waitpid(-1, &status, 0) > 0) {
    }
  }

  std::vector<std::string> recordLines() const {
    std::ifstream in(dir_ / "record");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  bool waitForRecord(double boundSeconds) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(boundSeconds);
    while (!fs::exists(dir_ / "record")) {
      if (std::chrono::steady_clock::now() >= deadline) return false;
      // Polls the file system at a short interval until the record appears.
      usleep(1000);
    }
    return true;
  }

  fs::path dir_;
  std::string savedPath_;
};

TEST(UriLauncherTarget, OnlyStartCommandLinesHaveATarget) {
  EXPECT_EQ(UriLauncher::targetOf("start.exe http://a.example/"), "http://a.example/");
  EXPECT_EQ(UriLauncher::targetOf("start.exe mailto:me@a.example"), "mailto:me@a.example");
  EXPECT_EQ(UriLauncher::targetOf("start.exe  x"), " x");
  EXPECT_EQ(UriLauncher::targetOf("start.exe"), "");
  EXPECT_EQ(UriLauncher::targetOf("START.EXE http://a.example/"), "");
  EXPECT_EQ(UriLauncher::targetOf("xdg-open http://a.example/"), "");
  EXPECT_EQ(UriLauncher::targetOf(" start.exe http://a.example/"), "");
}

TEST_F(FakeOpenerTest, HandsTheTargetAsOneArgumentWithoutAShellAndWithoutWaiting) {
  // The record is written only after a pause, so a launcher that waited for the opener
  // would find it already there on return.
  installOpener("xdg-open",
                "streams=$(readlink /proc/$$/fd/0 /proc/$$/fd/1 /proc/$$/fd/2)\n"
                "if [ -e /proc/$$/fd/$LEAK_FD ]; then leak=leaked; else leak=closed; fi\n"
                "sleep 0.5\n"
                "{ echo \"$#\"; printf '%s\\n' \"$1\" \"$streams\" \"$leak\"; } > \"$log.tmp\"\n"
                "mv \"$log.tmp\" \"$log\"\n");
  // A descriptor of ours that the opener must not inherit.
  const int leak = open("/dev/null", O_RDONLY);
  ASSERT_GE(leak, 3);
  setenv("LEAK_FD", std::to_string(leak).c_str(), 1);
  const fs::path pwned = dir_ / "pwned";
  const std::string target = "http://a.example/x;touch " + pwned.string() + " && echo $(id) `id` 'q\" &";

  UriLauncher launcher;
  launcher.run("start.exe " + target, kHiddenWindow);
  EXPECT_FALSE(fs::exists(dir_ / "record")) << "run() waited for the opener";
  ASSERT_TRUE(waitForRecord(20.0));
  close(leak);

  const std::vector<std::string> expected{"1", target, "/dev/null", "/dev/null", "/dev/null", "closed"};
  EXPECT_EQ(recordLines(), expected);
  EXPECT_FALSE(fs::exists(pwned));
}

TEST_F(FakeOpenerTest, IgnoresOtherCommandLinesAndOptionLikeTargets) {
  installOpener("xdg-open", "printf '%s\\n' \"$1\" >> \"$log\"\n");
  UriLauncher launcher;
  launcher.run("xdg-open http://a.example/", kHiddenWindow);
  launcher.run("start.exe", kHiddenWindow);
  launcher.run("start.exe ", kHiddenWindow);
  launcher.run("start.exe --help", kHiddenWindow);
  launcher.run("start.exe mailto:me@a.example", kHiddenWindow);
  waitForChildren();
  EXPECT_EQ(recordLines(), std::vector<std::string>{"mailto:me@a.example"});
}

TEST_F(FakeOpenerTest, MissingOpenerFailsSilently) {
  testing::internal::CaptureStderr();
  UriLauncher missing("ttt-no-such-opener");
  missing.run("start.exe http://a.example/", kHiddenWindow);
  UriLauncher notOnPath;
  setenv("PATH", dir_.string().c_str(), 1);
  notOnPath.run("start.exe http://a.example/", kHiddenWindow);
  waitForChildren();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_FALSE(fs::exists(dir_ / "record"));
}

}  // namespace
}  // namespace ttt::test
