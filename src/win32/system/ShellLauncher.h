#pragma once

#include <string>

#include "forms/Services.h"

namespace ttt {

// Opens a web address or a "mailto:" address with the program the user has chosen for it,
// through the shell's own association (ShellExecuteEx), never through a command interpreter,
// and without waiting for it. Any other target is ignored (platform/LinkPolicy.h), so that no
// program is ever run by name; failures are not reported.
class ShellLauncher : public Launcher {
 public:
  void open(const std::string& target) override;
};

}  // namespace ttt
