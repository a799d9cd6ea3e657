#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

#include "forms/Services.h"

namespace ttt {

// Runs the program's "start.exe <target>" command lines by handing the target to the
// desktop's opener (xdg-open). The opener runs as a child process with the target as its
// one argument, never through a shell, and the call returns at once. A command line of
// another form, a missing opener or a failing one are ignored: the program reports no
// failure of a link.
class UriLauncher : public Launcher {
 public:
  explicit UriLauncher(std::string opener = "xdg-open");
  ~UriLauncher() override;
  UriLauncher(const UriLauncher&) = delete;
  UriLauncher& operator=(const UriLauncher&) = delete;

  void run(const std::string& commandLine, int windowStyle) override;

  // The target of a "start.exe <target>" command line, or "" when it is not one.
  static std::string targetOf(std::string_view commandLine);

 private:
  void spawnOpener(const std::string& target);
  // Collects the openers that have finished, without waiting for the others.
  void reapFinished();

  std::string opener_;
  std::vector<pid_t> running_;
};

}  // namespace ttt
