#pragma once

#include "win32/WinApi.h"

#include <string>

namespace ttt {

// One program per session. The first program to start holds a named mutex of the session
// and a hidden message-only window that tells which process it is; a later start finds the
// mutex held, brings that process's current window (or the dialog open over it) to the
// front, and leaves.
class SingleInstance {
 public:
  explicit SingleInstance(const std::string& applicationId);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // Whether this program is the one in the session. When it is not, the one that is has
  // already been brought to the front.
  bool first() const { return first_; }

 private:
  HANDLE mutex_ = nullptr;
  HWND marker_ = nullptr;
  bool first_ = true;
};

}  // namespace ttt
