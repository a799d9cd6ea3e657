#pragma once

#include <memory>
#include <string>

namespace ttt {

// One program per desktop: the first program to start claims the desktop (an X display, a
// Windows session) for the application; a later start finds the claim held, asks the
// holder to bring its current window (or the dialog open over it) to the front, and leaves.
// Each backend implements the claim for its desktop.
class SingleInstance {
 public:
  // Claims the desktop; of two programs started at once, one is first.
  explicit SingleInstance(const std::string& applicationId);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // Whether this program is the one on the desktop. When it is not, the one that is has
  // already been asked to come to the front.
  bool first() const { return claim_ != nullptr; }

  // What the first program holds for as long as this object lives; each backend defines it.
  struct Claim;

 private:
  std::unique_ptr<Claim> claim_;
};

}  // namespace ttt
