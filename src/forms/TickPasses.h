#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace ttt {

class Form;

// The rule by which a backend ticks the windows on screen, free of any toolkit: passes run at
// the toolkit's shortest timeout while they still change something; a pass that changes
// nothing would change nothing if repeated, so no further pass is asked for until wake() is
// called (by any change of the model). The toolkit supplies a one-shot timeout that calls
// timeout().
class TickPasses {
 public:
  using RequestTimeout = std::function<void()>;
  explicit TickPasses(RequestTimeout requestTimeout) : requestTimeout_(std::move(requestTimeout)) {}

  void watch(Form& form);   // the form is on screen
  void forget(Form& form);  // the form has closed
  void wake();              // something changed: tick again soon
  void timeout();           // the requested timeout has come
  bool sleeping() const { return !requested_; }

 private:
  void request();
  bool runPass();
  bool isWatched(const Form* form) const;

  RequestTimeout requestTimeout_;
  std::vector<Form*> watched_;
  bool requested_ = false;
  bool inPass_ = false;
  // A wake() that came while a pass was running: ask for one more pass when it ends.
  bool wokenDuringPass_ = false;
};

}  // namespace ttt
