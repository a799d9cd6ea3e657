#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "forms/FormObserver.h"
#include "forms/FormWindow.h"
#include "forms/TickPasses.h"

namespace ttt {

// The forms' real windows, for either backend: a form shown gets its window (or has it
// raised), a form unloaded has it closed and freed later, and every change of the model
// wakes the tick rule. The backend supplies only the toolkit's calls.
class WindowRegistry : public FormObserver {
 public:
  explicit WindowRegistry(WindowToolkit& toolkit);

  void formShown(Form& form) override;
  void formUnloaded(Form& form) override;
  void controlChanged(Form& form, const Control& control) override;
  void timerChanged(Form& form, const Timer& timer) override;
  void stateChanged(Form& form) override;

  // The toolkit's timeout asked for by requestTimeout() has come.
  void timeout() { passes_.timeout(); }
  bool sleeping() const { return passes_.sleeping(); }  // no tick is asked for
  // The window of a form on screen, or null.
  FormWindow* window(const Form& form) const;
  // The windows on screen, the one shown or raised last at the end.
  std::vector<FormWindow*> windowsInShownOrder() const;

 private:
  using Entry = std::pair<const Form*, std::unique_ptr<FormWindow>>;
  std::vector<Entry>::iterator find(const Form& form);

  WindowToolkit& toolkit_;
  TickPasses passes_;
  std::vector<Entry> windows_;  // in the order shown
};

}  // namespace ttt
