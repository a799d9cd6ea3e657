#pragma once

#include <glib.h>

#include <vector>

namespace ttt {

// Runs GLib's default main context inside the toolkit's event loop, for the libraries that
// need one (the accessibility bridge). Before the toolkit sleeps, beforeWait() prepares the
// context and hands its file descriptors and its next timeout to the toolkit; when one of
// them wakes the toolkit, the context is checked and its ready sources dispatched. Nothing
// is polled: with no descriptor ready and no timeout due, the program sleeps.
class GlibLoop {
 public:
  GlibLoop();
  ~GlibLoop();
  GlibLoop(const GlibLoop&) = delete;
  GlibLoop& operator=(const GlibLoop&) = delete;

  // Call whenever the toolkit is about to wait for events, after anything that may have
  // given the context new work.
  void beforeWait();

 private:
  static void onDescriptor(int fd, void* data);
  static void onTimeout(void* data);
  void dispatchReady();
  void watchDescriptors();
  void forgetDescriptors();

  GMainContext* context_;
  std::vector<GPollFD> polled_;
  std::vector<int> watched_;
  gint priority_ = 0;
  bool prepared_ = false;
};

}  // namespace ttt
