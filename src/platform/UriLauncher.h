#pragma once

#include <string>

#include "forms/Services.h"

namespace ttt {

// Opens link targets with the desktop's opener (xdg-open). The opener runs as a process of
// its own with the target as its one argument, never through a shell, and the call returns
// at once. A target that is not a link (platform/LinkPolicy.h), a missing opener or a failing
// one are ignored: the program reports no failure of a link. The opener is not our child: it leaves
// no zombie behind.
class UriLauncher : public Launcher {
 public:
  explicit UriLauncher(std::string opener = "xdg-open");
  UriLauncher(const UriLauncher&) = delete;
  UriLauncher& operator=(const UriLauncher&) = delete;

  void open(const std::string& target) override;

 private:
  void spawnDetached(const std::string& target) const;

  std::string opener_;
};

}  // namespace ttt
