#include "platform/UriLauncher.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <utility>

extern char** environ;

namespace ttt {

namespace {

// File actions for the opener: its standard streams on /dev/null, and none of our other
// descriptors (the display connection among them) left open in it.
class OpenerFileActions {
 public:
  OpenerFileActions() {
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions_, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
  }
  ~OpenerFileActions() { posix_spawn_file_actions_destroy(&actions_); }
  OpenerFileActions(const OpenerFileActions&) = delete;
  OpenerFileActions& operator=(const OpenerFileActions&) = delete;
  const posix_spawn_file_actions_t* get() const { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

}  // namespace

UriLauncher::UriLauncher(std::string opener) : opener_(std::move(opener)) {}

UriLauncher::~UriLauncher() { reapFinished(); }

void UriLauncher::open(const std::string& target) {
  reapFinished();
  // A target that starts with '-' would be read by the opener as one of its options.
  if (target.empty() || target.front() == '-') return;
  spawnOpener(target);
}

void UriLauncher::spawnOpener(const std::string& target) {
  const OpenerFileActions actions;
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  // Its own session: the opener and the browser it starts outlive our terminal's signals.
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
  std::string program = opener_;
  std::string argument = target;
  char* const argv[] = {program.data(), argument.data(), nullptr};
  pid_t child = 0;
  if (posix_spawnp(&child, opener_.c_str(), actions.get(), &attributes, argv, environ) == 0) {
    running_.push_back(child);
  }
  posix_spawnattr_destroy(&attributes);
}

void UriLauncher::reapFinished() {
  const auto finished = [](pid_t child) {
    int status = 0;
    const pid_t result = waitpid(child, &status, WNOHANG);
    return result == child || result < 0;
  };
  running_.erase(std::remove_if(running_.begin(), running_.end(), finished), running_.end());
}

}  // namespace ttt
