#include "support/RecordingWindows.h"

#include <algorithm>

namespace ttt::test {

void RecordingWindows::formShown(Form& form) {
  events.push_back("shown " + form.name());
  if (!isOnScreen(form.name())) onScreen.push_back(form.name());
}

void RecordingWindows::formUnloaded(Form& form) {
  events.push_back("unloaded " + form.name());
  std::erase(onScreen, form.name());
}

void RecordingWindows::controlChanged(Form& form, const Control& control) {
  events.push_back(form.name() + " " + control.name() + " caption=" + control.caption() +
                   " visible=" + std::to_string(control.visible()) +
                   " enabled=" + std::to_string(control.enabled()));
}

void RecordingWindows::timerChanged(Form& form, const Timer& timer) {
  events.push_back(form.name() + " " + timer.name() + "=" + std::to_string(timer.interval()));
}

void RecordingWindows::stateChanged(Form& form) { events.push_back(form.name() + " state"); }

bool RecordingWindows::isOnScreen(const std::string& formName) const {
  return std::find(onScreen.begin(), onScreen.end(), formName) != onScreen.end();
}

}  // namespace ttt::test
