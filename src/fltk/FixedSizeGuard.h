#pragma once

#include <map>

namespace ttt {

// Every window of the program has a fixed size, which its size hints state (minimum equal
// to maximum). Window managers that do not enforce the hints, and any client when there is
// no window manager, may still resize a window, maximise it or make it fullscreen. While an
// instance lives, such a change is undone: the window is given its own size back, and a
// fullscreen or maximised state is asked off again.
class FixedSizeGuard {
 public:
  FixedSizeGuard();
  ~FixedSizeGuard();
  FixedSizeGuard(const FixedSizeGuard&) = delete;
  FixedSizeGuard& operator=(const FixedSizeGuard&) = delete;

 private:
  static int filter(void* event, void* data);
  static void recheck(void* data);
  // A window manager may answer a request in its own time, or not at all while a state is
  // on: a window that had to be put back is looked at again a few times.
  void checkLater(unsigned long window);

  std::map<unsigned long, int> pending_;  // X window -> looks left
};

}  // namespace ttt
