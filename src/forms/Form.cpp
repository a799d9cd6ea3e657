#include "forms/Form.h"

#include <cstddef>
#include <stdexcept>
#include <utility>

namespace ttt {
namespace {

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

}  // namespace

Form::Form(const FormLayout& layout, Services& services) : layout_(layout), services_(services) {
  for (const ControlLayout& control : layout_.controls) {
    controls_.push_back(std::make_unique<Control>(*this, control));
  }
  for (const TimerLayout& timer : layout_.timers) {
    timers_.push_back(std::make_unique<Timer>(*this, timer));
  }
}

Form::~Form() = default;

void Form::show() {
  if (!loaded_) load();
  if (!loaded_) return;
  ++revision_;
  if (observer_) observer_->formShown(*this);
}

void Form::unload() { close(kCloseFromCode); }

void Form::requestClose() {
  if (busy_) return;
  close(kCloseFromControlMenu);
}

void Form::Form_QueryUnload(std::int16_t& /*cancel*/, std::int16_t /*reason*/) {}

void Form::load() {
  for (const auto& control : controls_) control->reset();
  for (const auto& timer : timers_) timer->reset();
  loaded_ = true;
  ++revision_;
  BusyScope busy(busy_);
  Form_Load();
}

void Form::close(std::int16_t reason) {
  if (!loaded_) return;
  std::int16_t cancel = 0;
  {
    // The close request may open a modal box (the menu's contact box): nothing else of
    // this window runs meanwhile.
    BusyScope busy(busy_);
    Form_QueryUnload(cancel, reason);
  }
  if (cancel != 0 || !loaded_) return;
  loaded_ = false;
  ++revision_;
  if (observer_) observer_->formUnloaded(*this);
}

void Form::runHandler(const std::function<void()>& handler) {
  if (!loaded_ || busy_) return;
  BusyScope busy(busy_);
  handler();
}

void Form::tick() {
  if (!loaded_ || busy_) return;
  BusyScope busy(busy_);
  // Only timers that were running when the tick began are due: one started by an earlier
  // handler first fires on the next tick.
  std::vector<bool> due;
  for (const auto& timer : timers_) due.push_back(timer->running());
  // A handler may stop later timers, or close the window: check both before each handler.
  for (std::size_t i = 0; loaded_ && i < timers_.size(); ++i) {
    if (due[i] && timers_[i]->running()) timers_[i]->fire();
  }
}

bool Form::hasRunningTimer() const {
  if (!loaded_) return false;
  for (const auto& timer : timers_) {
    if (timer->running()) return true;
  }
  return false;
}

Control& Form::control(std::string_view fullName) const {
  for (const auto& control : controls_) {
    if (control->name() == fullName) return *control;
  }
  throw std::logic_error(name() + " has no control " + std::string(fullName));
}

Timer& Form::timer(std::string_view timerName) const {
  for (const auto& timer : timers_) {
    if (timer->name() == timerName) return *timer;
  }
  throw std::logic_error(name() + " has no timer " + std::string(timerName));
}

ControlArray Form::controlArray(std::string_view arrayName, int count) const {
  std::vector<Control*> elements;
  for (int index = 0; index < count; ++index) {
    elements.push_back(&control(std::string(arrayName) + "(" + std::to_string(index) + ")"));
  }
  return ControlArray(std::move(elements));
}

void Form::requireLoaded(const std::string& part) const {
  if (!loaded_) throw std::logic_error(name() + " is not loaded: it has no " + part);
}

void Form::stateChanged() {
  ++revision_;
  if (observer_) observer_->stateChanged(*this);
}

void Form::controlChanged(const Control& changed) {
  ++revision_;
  if (observer_) observer_->controlChanged(*this, changed);
}

void Form::timerChanged(const Timer& changed) {
  ++revision_;
  if (observer_) observer_->timerChanged(*this, changed);
}

}  // namespace ttt
