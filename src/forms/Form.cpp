#include "forms/Form.h"

#include <cstddef>
#include <stdexcept>
#include <utility>

namespace ttt {

Form::Form(const FormLayout& layout, Services& services) : layout_(layout), services_(services) {}

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
  build();
  loaded_ = true;
  ++revision_;
  BusyScope busy(busy_);
  Form_Load();
}

void Form::build() {
  for (const ControlLayout& layout : layout_.controls) {
    auto control = std::make_unique<Control>(layout);
    control->setObserver([this](const Control& changed) { controlChanged(changed); });
    controlIndex_[control->name()] = control.get();
    controls_.push_back(std::move(control));
  }
  for (const TimerLayout& layout : layout_.timers) {
    auto timer = std::make_unique<Timer>(layout.name, layout.interval);
    timer->setObserver([this](const Timer& changed) { timerChanged(changed); });
    timers_.push_back(std::move(timer));
  }
  for (Binding* binding : bindings_) binding->attach();
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
  destroy();
}

void Form::destroy() {
  loaded_ = false;
  ++revision_;
  if (observer_) observer_->formUnloaded(*this);
  for (Binding* binding : bindings_) binding->detach();
  controlIndex_.clear();
  controls_.clear();
  timers_.clear();
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
    if (!due[i] || !timers_[i]->running()) continue;
    const auto handler = timerHandlers_.find(timers_[i]->name());
    if (handler != timerHandlers_.end()) handler->second();
  }
}

bool Form::hasRunningTimer() const {
  for (const auto& timer : timers_) {
    if (timer->running()) return true;
  }
  return false;
}

void Form::click(std::string_view controlName) {
  if (!loaded_ || busy_) return;
  const auto found = controlIndex_.find(controlName);
  if (found == controlIndex_.end()) return;
  const ControlLayout& layout = found->second->layout();
  BusyScope busy(busy_);
  if (layout.index >= 0) {
    const auto handler = arrayClickHandlers_.find(layout.name);
    if (handler != arrayClickHandlers_.end())
      handler->second(static_cast<std::int16_t>(layout.index));
  } else {
    const auto handler = clickHandlers_.find(layout.name);
    if (handler != clickHandlers_.end()) handler->second();
  }
}

Control* Form::loadedControl(std::string_view fullName) const {
  const auto found = controlIndex_.find(fullName);
  if (found == controlIndex_.end()) {
    throw std::logic_error(name() + " has no loaded control " + std::string(fullName));
  }
  return found->second;
}

Control& Form::control(std::string_view fullName) { return *loadedControl(fullName); }

const Control& Form::control(std::string_view fullName) const { return *loadedControl(fullName); }

Control& Form::control(std::string_view arrayName, int index) {
  return control(std::string(arrayName) + "(" + std::to_string(index) + ")");
}

Timer& Form::timer(std::string_view timerName) {
  for (const auto& timer : timers_) {
    if (timer->name() == timerName) return *timer;
  }
  throw std::logic_error(name() + " has no loaded timer " + std::string(timerName));
}

void Form::onClick(const BoundControl& control, std::function<void()> handler) {
  onClick(control.name(), std::move(handler));
}

void Form::onClick(const BoundControlArray& array, std::function<void(std::int16_t)> handler) {
  onArrayClick(array.name(), std::move(handler));
}

void Form::onTimer(const BoundTimer& timer, std::function<void()> handler) {
  onTimer(timer.name(), std::move(handler));
}

void Form::onClick(std::string controlName, std::function<void()> handler) {
  clickHandlers_[std::move(controlName)] = std::move(handler);
}

void Form::onArrayClick(std::string arrayName, std::function<void(std::int16_t)> handler) {
  arrayClickHandlers_[std::move(arrayName)] = std::move(handler);
}

void Form::onTimer(std::string timerName, std::function<void()> handler) {
  timerHandlers_[std::move(timerName)] = std::move(handler);
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
