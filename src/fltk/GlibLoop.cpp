#include "fltk/GlibLoop.h"

#include <FL/Fl.H>
#include <poll.h>

#include <algorithm>

namespace ttt {

GlibLoop::GlibLoop() : context_(g_main_context_default()) {
  // Only the owner of a context may check and dispatch it; this thread owns it for good.
  g_main_context_acquire(context_);
}

GlibLoop::~GlibLoop() {
  Fl::remove_timeout(&GlibLoop::onTimeout, this);
  forgetDescriptors();
  g_main_context_release(context_);
}

void GlibLoop::beforeWait() {
  Fl::remove_timeout(&GlibLoop::onTimeout, this);
  const bool ready = g_main_context_prepare(context_, &priority_) != FALSE;
  gint timeoutMs = -1;
  gint count = static_cast<gint>(polled_.size());
  for (;;) {
    const gint needed =
        g_main_context_query(context_, priority_, &timeoutMs, polled_.data(), count);
    if (needed <= count) {
      polled_.resize(static_cast<std::size_t>(needed));
      break;
    }
    count = needed;
    polled_.resize(static_cast<std::size_t>(count));
  }
  prepared_ = true;
  watchDescriptors();
  // A source that is ready already, or due now, is dispatched as soon as the toolkit has
  // handled what is pending; otherwise at its own time.
  if (ready || timeoutMs == 0) {
    Fl::add_timeout(0.0, &GlibLoop::onTimeout, this);
  } else if (timeoutMs > 0) {
    Fl::add_timeout(timeoutMs / 1000.0, &GlibLoop::onTimeout, this);
  }
}

void GlibLoop::watchDescriptors() {
  forgetDescriptors();
  for (const GPollFD& polled : polled_) {
    if (std::find(watched_.begin(), watched_.end(), polled.fd) != watched_.end()) continue;
    int when = 0;
    for (const GPollFD& same : polled_) {
      if (same.fd != polled.fd) continue;
      if ((same.events & (G_IO_IN | G_IO_PRI | G_IO_HUP | G_IO_ERR)) != 0) when |= FL_READ;
      if ((same.events & G_IO_OUT) != 0) when |= FL_WRITE;
    }
    if (when == 0) continue;
    Fl::add_fd(polled.fd, when, &GlibLoop::onDescriptor, this);
    watched_.push_back(polled.fd);
  }
}

void GlibLoop::forgetDescriptors() {
  for (const int fd : watched_) Fl::remove_fd(fd);
  watched_.clear();
}

void GlibLoop::onDescriptor(int /*fd*/, void* data) {
  static_cast<GlibLoop*>(data)->dispatchReady();
}

void GlibLoop::onTimeout(void* data) { static_cast<GlibLoop*>(data)->dispatchReady(); }

void GlibLoop::dispatchReady() {
  if (!prepared_) return;
  prepared_ = false;
  // The toolkit says only that something is ready; poll without waiting to learn what.
  std::vector<pollfd> fds;
  fds.reserve(polled_.size());
  for (const GPollFD& polled : polled_) {
    fds.push_back({polled.fd, static_cast<short>(polled.events), 0});
  }
  if (!fds.empty()) poll(fds.data(), fds.size(), 0);
  for (std::size_t i = 0; i < polled_.size(); ++i) {
    polled_[i].revents = static_cast<gushort>(fds[i].revents);
  }
  if (g_main_context_check(context_, priority_, polled_.data(),
                           static_cast<gint>(polled_.size()))) {
    g_main_context_dispatch(context_);
  }
  // The toolkit calls beforeWait() again before it next sleeps.
}

}  // namespace ttt
