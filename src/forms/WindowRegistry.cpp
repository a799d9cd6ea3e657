#include "forms/WindowRegistry.h"

#include <algorithm>

namespace ttt {

WindowRegistry::WindowRegistry(WindowToolkit& toolkit)
    : toolkit_(toolkit), passes_([this] { toolkit_.requestTimeout(); }) {}

std::vector<WindowRegistry::Entry>::iterator WindowRegistry::find(const Form& form) {
  return std::ranges::find(windows_, &form, &Entry::first);
}

void WindowRegistry::formShown(Form& form) {
  const auto found = find(form);
  if (found != windows_.end()) {
    std::rotate(found, found + 1, windows_.end());  // now the last shown
    windows_.back().second->raise();
  } else {
    windows_.emplace_back(&form, toolkit_.createWindow(form));
    windows_.back().second->open();
  }
  passes_.watch(form);
}

void WindowRegistry::formUnloaded(Form& form) {
  passes_.forget(form);
  const auto found = find(form);
  if (found == windows_.end()) return;
  // The unload usually runs inside a handler of this very window: it goes off screen now and
  // is freed once the toolkit has left that handler.
  std::unique_ptr<FormWindow> closing = std::move(found->second);
  windows_.erase(found);
  closing->close();
  toolkit_.destroyLater(std::move(closing));
}

void WindowRegistry::controlChanged(Form& /*form*/, const Control& /*control*/) { passes_.wake(); }

void WindowRegistry::timerChanged(Form& /*form*/, const Timer& /*timer*/) { passes_.wake(); }

void WindowRegistry::stateChanged(Form& /*form*/) { passes_.wake(); }

FormWindow* WindowRegistry::window(const Form& form) const {
  const auto found = std::ranges::find(windows_, &form, &Entry::first);
  return found == windows_.end() ? nullptr : found->second.get();
}

std::vector<FormWindow*> WindowRegistry::windowsInShownOrder() const {
  std::vector<FormWindow*> shown;
  for (const auto& entry : windows_) shown.push_back(entry.second.get());
  return shown;
}

}  // namespace ttt
