#include "fltk/TimerPump.h"

#include <FL/Fl.H>

#include <algorithm>
#include <vector>

#include "forms/Form.h"

namespace ttt {

namespace {
// The toolkit's shortest timeout: in practice one pass per millisecond.
constexpr double kPassDelaySeconds = 0.001;
}  // namespace

struct TimerPump::State {
  std::vector<Form*> watched;
  bool inPass = false;
  // A wake() that came while a pass was running: schedule one more pass when it ends.
  bool wokenDuringPass = false;

  static void onTimeout(void* data) { static_cast<State*>(data)->timeout(); }

  bool isWatched(const Form* form) const {
    return std::find(watched.begin(), watched.end(), form) != watched.end();
  }

  bool scheduled() { return Fl::has_timeout(&State::onTimeout, this) != 0; }

  void schedule() {
    if (!scheduled()) Fl::add_timeout(kPassDelaySeconds, &State::onTimeout, this);
  }

  void timeout() {
    // A handler of the running pass may have opened a modal dialog whose own loop runs
    // timeouts; no pass is scheduled then, but never run one inside another.
    if (inPass) {
      wokenDuringPass = true;
      return;
    }
    if (runPass() || wokenDuringPass) schedule();
  }

  // Ticks every watched form with a running timer once; true when any tick changed something.
  bool runPass() {
    inPass = true;
    wokenDuringPass = false;
    bool changed = false;
    // A tick may show or close windows, which changes the list: walk a copy, and skip a form
    // that was forgotten meanwhile, since it is no longer on screen.
    const std::vector<Form*> forms = watched;
    for (Form* form : forms) {
      if (!isWatched(form) || !form->hasRunningTimer()) continue;
      const auto before = form->revision();
      form->tick();
      // A form that closed during its own tick is not read again; its closing is a change.
      if (!isWatched(form) || form->revision() != before) changed = true;
    }
    inPass = false;
    return changed;
  }
};

TimerPump::TimerPump() : state_(std::make_unique<State>()) {}

TimerPump::~TimerPump() { Fl::remove_timeout(&State::onTimeout, state_.get()); }

void TimerPump::watch(Form& form) {
  if (!state_->isWatched(&form)) state_->watched.push_back(&form);
  wake();
}

void TimerPump::forget(Form& form) {
  auto& watched = state_->watched;
  watched.erase(std::remove(watched.begin(), watched.end(), &form), watched.end());
}

void TimerPump::wake() {
  // Changes made by the running pass are seen when it ends; scheduling now would let a
  // modal dialog's loop run passes at full speed for nothing.
  if (state_->inPass) {
    state_->wokenDuringPass = true;
    return;
  }
  state_->schedule();
}

bool TimerPump::sleeping() const { return !state_->scheduled(); }

}  // namespace ttt
