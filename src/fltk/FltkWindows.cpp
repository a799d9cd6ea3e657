#include "fltk/FltkWindows.h"

#include <FL/Fl.H>

#include "fltk/WindowView.h"

namespace ttt {

namespace {
// The toolkit's shortest timeout: in practice one pass per millisecond.
constexpr double kPassDelaySeconds = 0.001;
}  // namespace

FltkWindows::~FltkWindows() { Fl::remove_timeout(&FltkWindows::onTimeout, this); }

WindowView* FltkWindows::view(const Form& form) const {
  return static_cast<WindowView*>(window(form));
}

std::unique_ptr<FormWindow> FltkWindows::createWindow(Form& form) {
  return std::make_unique<WindowView>(form);
}

// The toolkit deletes the window once it has left the callback that closed it.
void FltkWindows::destroyLater(std::unique_ptr<FormWindow> window) {
  Fl::delete_widget(static_cast<WindowView*>(window.release()));
}

void FltkWindows::requestTimeout() {
  Fl::add_timeout(kPassDelaySeconds, &FltkWindows::onTimeout, this);
}

void FltkWindows::onTimeout(void* data) { static_cast<FltkWindows*>(data)->timeout(); }

}  // namespace ttt
