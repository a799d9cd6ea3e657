#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "forms/Services.h"

namespace ttt {

// Opens link targets with the desktop's opener (xdg-open). The opener runs as a child
// process with the target as its one argument, never through a shell, and the call returns
// at once. An empty target, a missing opener or a failing one are ignored: the program
// reports no failure of a link.
class UriLauncher : public Launcher {
 public:
  explicit UriLauncher(std::string opener = "xdg-open");
  ~UriLauncher() override;
  UriLauncher(const UriLauncher&) = delete;
  UriLauncher& operator=(const UriLauncher&) = delete;

  void open(const std::string& target) override;

 private:
  void spawnOpener(const std::string& target);
  // Collects the openers that have finished, without waiting for the others.
  void reapFinished();

  std::string opener_;
  std::vector<pid_t> running_;
};

}  // namespace ttt
