#include "fltk/FltkWindows.h"

#include <FL/Fl.H>

#include "fltk/TimerPump.h"
#include "fltk/WindowView.h"
#include "forms/Form.h"

namespace ttt {

FltkWindows::FltkWindows(TimerPump& pump, Scale scale) : pump_(pump), scale_(scale) {}

FltkWindows::~FltkWindows() = default;

void FltkWindows::formShown(Form& form) {
  auto& window = windows_[&form];
  if (window) {
    window->show();  // raises it
  } else {
    window = std::make_unique<WindowView>(form, scale_);
    window->open();
  }
  pump_.watch(form);
}

void FltkWindows::formUnloaded(Form& form) {
  pump_.forget(form);
  const auto found = windows_.find(&form);
  if (found == windows_.end()) return;
  // The unload usually runs inside a callback of this very window: it goes off screen now
  // and is deleted once the toolkit has left that callback.
  WindowView* closing = found->second.release();
  windows_.erase(found);
  closing->hide();
  Fl::delete_widget(closing);
}

void FltkWindows::controlChanged(Form& form, const Control& control) {
  const auto found = windows_.find(&form);
  // Changes made while a form loads, before it is shown, are read when its window is built.
  if (found != windows_.end()) found->second->apply(control);
  pump_.wake();
}

void FltkWindows::timerChanged(Form& /*form*/, const Timer& /*timer*/) { pump_.wake(); }

void FltkWindows::stateChanged(Form& /*form*/) { pump_.wake(); }

WindowView* FltkWindows::window(const Form& form) const {
  const auto found = windows_.find(&form);
  return found == windows_.end() ? nullptr : found->second.get();
}

}  // namespace ttt
