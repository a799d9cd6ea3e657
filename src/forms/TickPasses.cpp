#include "forms/TickPasses.h"

#include <algorithm>

#include "forms/Form.h"

namespace ttt {

bool TickPasses::isWatched(const Form* form) const {
  return std::find(watched_.begin(), watched_.end(), form) != watched_.end();
}

void TickPasses::watch(Form& form) {
  if (!isWatched(&form)) watched_.push_back(&form);
  wake();
}

void TickPasses::forget(Form& form) {
  watched_.erase(std::remove(watched_.begin(), watched_.end(), &form), watched_.end());
}

void TickPasses::wake() {
  // Changes made by the running pass are seen when it ends; asking now would let a modal
  // dialog's loop run passes at full speed for nothing.
  if (inPass_) {
    wokenDuringPass_ = true;
    return;
  }
  request();
}

void TickPasses::request() {
  if (requested_) return;
  requested_ = true;
  requestTimeout_();
}

void TickPasses::timeout() {
  requested_ = false;
  // A handler of the running pass may have opened a modal dialog whose own loop delivers
  // timeouts; never run one pass inside another.
  if (inPass_) {
    wokenDuringPass_ = true;
    return;
  }
  if (runPass() || wokenDuringPass_) request();
}

// Ticks every watched form with a running timer once; true when any tick changed something.
bool TickPasses::runPass() {
  inPass_ = true;
  wokenDuringPass_ = false;
  bool changed = false;
  // A tick may show or close windows, which changes the list: walk a copy, and skip a form
  // that was forgotten meanwhile, since it is no longer on screen.
  const std::vector<Form*> forms = watched_;
  for (Form* form : forms) {
    if (!isWatched(form) || !form->hasRunningTimer()) continue;
    const auto before = form->revision();
    form->tick();
    // A form that closed during its own tick is not read again; its closing is a change.
    if (!isWatched(form) || form->revision() != before) changed = true;
  }
  inPass_ = false;
  return changed;
}

}  // namespace ttt
