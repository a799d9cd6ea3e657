#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Bindings.h"
#include "forms/Control.h"
#include "forms/FormObserver.h"
#include "forms/Layout.h"
#include "forms/Services.h"
#include "forms/Timer.h"

namespace ttt {

// Reasons of a close request.
inline constexpr std::int16_t kCloseFromControlMenu = 0;  // title bar close box or system menu
inline constexpr std::int16_t kCloseFromCode = 1;         // the program's own unload

// One window of the program. The instance lives as long as the program; its controls and
// timers exist only while it is loaded. Loading builds them from the layout and runs
// Form_Load; unloading raises the close request and then destroys them.
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
  // A click on a control, by its full name ("Command1", "S(4)"); ignored while not loaded or
  // when the control has no click handler.
  void click(std::string_view controlName);
  // Grows by one with every change of a control, a timer or the window's own state.
  std::uint64_t revision() const { return revision_; }

  // The loaded control or timer of that name; throws when there is none. The windows reach
  // theirs through bound members instead (forms/Bindings.h).
  Control& control(std::string_view fullName);
  const Control& control(std::string_view fullName) const;
  Control& control(std::string_view arrayName, int index);
  Timer& timer(std::string_view name);
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }

 protected:
  virtual void Form_Load() {}
  virtual void Form_QueryUnload(std::int16_t& cancel, std::int16_t reason);

  // Handlers are registered once, by the derived window's constructor, through the bound
  // members, whose names the layout has been checked for.
  void onClick(const BoundControl& control, std::function<void()> handler);
  void onClick(const BoundControlArray& array, std::function<void(std::int16_t)> handler);
  void onTimer(const BoundTimer& timer, std::function<void()> handler);
  // The same by name, for a window built over any layout; a name the layout lacks is never
  // called.
  void onClick(std::string controlName, std::function<void()> handler);
  void onArrayClick(std::string arrayName, std::function<void(std::int16_t)> handler);
  void onTimer(std::string timerName, std::function<void()> handler);

  // Tells the view that window-level state (not a control) changed.
  void stateChanged();
  Services& services() { return services_; }

 private:
  // Marks the form busy for the lifetime of a handler call.
  class BusyScope {
   public:
    explicit BusyScope(bool& busy) : busy_(busy), previous_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = previous_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    bool& busy_;
    bool previous_;
  };

  friend class Binding;
  void bind(Binding& binding) { bindings_.push_back(&binding); }
  Control* loadedControl(std::string_view fullName) const;
  void load();
  void build();
  void destroy();
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
  std::map<std::string, Control*, std::less<>> controlIndex_;
  std::vector<Binding*> bindings_;
  std::map<std::string, std::function<void()>, std::less<>> clickHandlers_;
  std::map<std::string, std::function<void(std::int16_t)>, std::less<>> arrayClickHandlers_;
  std::map<std::string, std::function<void()>, std::less<>> timerHandlers_;
};

}  // namespace ttt
