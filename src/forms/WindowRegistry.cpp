#include "forms/WindowRegistry.h"

#include <algorithm>

#include "forms/Form.h"

namespace ttt {

void WindowRegistry::formShown(Form& form) {
  const auto found = std::ranges::find(windows_, &form, &Entry::first);
  if (found != windows_.end()) {
    std::rotate(found, found + 1, windows_.end());  // now the last shown
    windows_.back().second->raise();
  } else {
    windows_.emplace_back(&form, toolkit_.createWindow(form));
    windows_.back().second->open();
  }
  wake();
}

void WindowRegistry::formUnloaded(Form& form) {
  const auto found = std::ranges::find(windows_, &form, &Entry::first);
  if (found == windows_.end()) return;
  // The unload usually runs inside a handler of this very window: it goes off screen now and
  // is freed once the toolkit has left that handler.
  std::unique_ptr<FormWindow> closing = std::move(found->second);
  windows_.erase(found);
  closing->close();
  toolkit_.destroyLater(std::move(closing));
}

FormWindow* WindowRegistry::window(const Form& form) const {
  const auto found = std::ranges::find(windows_, &form, &Entry::first);
  return found == windows_.end() ? nullptr : found->second.get();
}

std::vector<FormWindow*> WindowRegistry::windowsInShownOrder() const {
  std::vector<FormWindow*> shown;
  for (const auto& entry : windows_) shown.push_back(entry.second.get());
  return shown;
}

void WindowRegistry::wake() {
  // Changes made by the running pass are seen when it ends; asking now would let a modal
  // dialog's loop run passes at full speed for nothing.
  if (inPass_) {
    wokenDuringPass_ = true;
    return;
  }
  request();
}

void WindowRegistry::request() {
  if (requested_) return;
  requested_ = true;
  toolkit_.requestTimeout();
}

void WindowRegistry::timeout() {
  requested_ = false;
  // A handler of the running pass may have opened a modal dialog whose own loop delivers
  // timeouts; never run one pass inside another.
  if (inPass_) {
    wokenDuringPass_ = true;
    return;
  }
  if (runPass() || wokenDuringPass_) request();
}

// Ticks every form on screen with a running timer once; true when any tick changed something.
bool WindowRegistry::runPass() {
  inPass_ = true;
  wokenDuringPass_ = false;
  bool changed = false;
  // A tick may show or close windows: walk a copy, and skip a form that closed meanwhile.
  std::vector<Form*> forms;
  for (const auto& entry : windows_) forms.push_back(entry.first);
  for (Form* form : forms) {
    if (window(*form) == nullptr || !form->hasRunningTimer()) continue;
    const auto before = form->revision();
    form->tick();
    // A form that closed during its own tick is not read again; its closing is a change.
    if (window(*form) == nullptr || form->revision() != before) changed = true;
  }
  inPass_ = false;
  return changed;
}

}  // namespace ttt
