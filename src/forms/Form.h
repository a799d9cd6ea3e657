#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Control.h"
#include "forms/FormObserver.h"
#include "forms/Layout.h"
#include "forms/Services.h"
#include "forms/Timer.h"

namespace ttt {

// Reasons of a close request.
inline constexpr std::int16_t kCloseFromControlMenu = 0;  // title bar close box or system menu
inline constexpr std::int16_t kCloseFromCode = 1;         // the program's own unload

// One window of the program. The form, its controls and its timers live as long as the
// program. Loading puts every control and timer back at its layout value and runs
// Form_Load; unloading raises the close request and takes the window off screen. A window
// names its controls once, as members bound at construction (`Control& Label2`); a name the
// layout lacks fails there.
class Form {
 public:
  Form(const FormLayout& layout, Services& services);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const FormLayout& layout() const { return layout_; }
  const std::string& name() const { return layout_.name; }
  bool isLoaded() const { return loaded_; }
  void setObserver(FormObserver* observer) { observer_ = observer; }

  // Loads the form if it is not loaded, then puts it on screen.
  void show();
  // Closes the form from code: the close request sees kCloseFromCode.
  void unload();
  // Closes the form as the title bar's close box does: the close request sees
  // kCloseFromControlMenu and may cancel.
  void requestClose();

  // One tick: the handler of every running timer, in dispatch order. A tick, click or close
  // that arrives while a handler of this form is still running (inside a modal dialog)
  // does nothing: handlers are never re-entered.
  void tick();
  bool hasRunningTimer() const;
  // Grows by one with every change of a control, a timer or the window's own state.
  std::uint64_t revision() const { return revision_; }

  // The control or timer of that name in the layout ("Label2", "S(4)", "Timer1"); throws,
  // naming it, when there is none.
  Control& control(std::string_view fullName) const;
  Timer& timer(std::string_view timerName) const;
  ControlArray controlArray(std::string_view arrayName, int count) const;
  // In the layout's order: stacking order for controls, dispatch order for timers.
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }

 protected:
  virtual void Form_Load() {}
  virtual void Form_QueryUnload(std::int16_t& cancel, std::int16_t reason);
  // Tells the view that window-level state (not a control) changed.
  void stateChanged();
  Services& services() { return services_; }

 private:
  friend class Control;
  friend class Timer;
  // Runs a handler unless the form is unloaded or busy, marking it busy meanwhile.
  void runHandler(const std::function<void()>& handler);
  void requireLoaded(const std::string& part) const;
  void load();
  void close(std::int16_t reason);
  void controlChanged(const Control& control);
  void timerChanged(const Timer& timer);

  const FormLayout& layout_;
  Services& services_;
  FormObserver* observer_ = nullptr;
  bool loaded_ = false;
  bool busy_ = false;
  std::uint64_t revision_ = 0;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::unique_ptr<Timer>> timers_;
};

}  // namespace ttt
