#include "platform/UriLauncher.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/LinkPolicy.h"

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

void UriLauncher::open(const std::string& target) {
  if (!isLinkTarget(target)) return;
  spawnDetached(target);
}

// The opener is started by a short-lived intermediate child, which we reap at once: the
// opener itself is then nobody's child of ours, and the system reaps it whenever it ends,
// so no finished opener lingers as a zombie of this process.
void UriLauncher::spawnDetached(const std::string& target) const {
  // Everything the intermediate child needs is prepared here: between fork and exit it only
  // spawns the opener and leaves.
  const OpenerFileActions actions;
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  // Its own session: the opener and the browser it starts outlive our terminal's signals.
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
  std::string program = opener_;
  std::string argument = target;
  char* const argv[] = {program.data(), argument.data(), nullptr};
  const pid_t intermediate = fork();
  if (intermediate == 0) {
    pid_t opener = 0;
    _exit(posix_spawnp(&opener, argv[0], actions.get(), &attributes, argv, environ) == 0 ? 0 : 1);
  }
  if (intermediate > 0) {
    while (waitpid(intermediate, nullptr, 0) < 0 && errno == EINTR) {
    }
  }
  posix_spawnattr_destroy(&attributes);
}

}  // namespace ttt
