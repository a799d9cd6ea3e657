#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "forms/FormObserver.h"
#include "forms/FormWindow.h"

namespace ttt {

// The forms' real windows, for either backend: a form shown gets its window (or has it
// raised), a form unloaded has it closed and freed later. The registry also runs the tick
// rule for the forms on screen: passes run at the toolkit's shortest timeout while they still
// change something; a pass that changes nothing would change nothing if repeated, so none is
// asked for until the model changes again. The backend supplies only the toolkit's calls.
class WindowRegistry : public FormObserver {
 public:
  explicit WindowRegistry(WindowToolkit& toolkit) : toolkit_(toolkit) {}

  void formShown(Form& form) override;
  void formUnloaded(Form& form) override;
  void controlChanged(Form& /*form*/, const Control& /*control*/) override { wake(); }
  void timerChanged(Form& /*form*/, const Timer& /*timer*/) override { wake(); }
  void stateChanged(Form& /*form*/) override { wake(); }

  // The toolkit's timeout asked for by requestTimeout() has come.
  void timeout();
  bool sleeping() const { return !requested_; }  // no tick is asked for
  // The window of a form on screen, or null.
  FormWindow* window(const Form& form) const;
  // The windows on screen, the one shown or raised last at the end.
  std::vector<FormWindow*> windowsInShownOrder() const;

 private:
  using Entry = std::pair<Form*, std::unique_ptr<FormWindow>>;
  void wake();
  void request();
  bool runPass();

  WindowToolkit& toolkit_;
  std::vector<Entry> windows_;  // in the order shown
  bool requested_ = false;
  bool inPass_ = false;
  // A change or a timeout that came while a pass was running: one more pass when it ends.
  bool wokenDuringPass_ = false;
};

}  // namespace ttt
