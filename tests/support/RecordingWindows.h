#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "forms/Form.h"
#include "forms/FormObserver.h"

namespace ttt::test {

// Stands in for the desktop: records which windows are on screen and what they show, in
// order, as "shown Form1", "unloaded Form3" and "Form1 S(4)" (a control changed; its values
// are the test's to read from the form). Timers and outcome flags show nothing.
class RecordingWindows : public FormObserver {
 public:
  void formShown(Form& form) override {
    events.push_back("shown " + form.name());
    if (std::ranges::count(onScreen, form.name()) == 0) onScreen.push_back(form.name());
  }
  void formUnloaded(Form& form) override {
    events.push_back("unloaded " + form.name());
    std::erase(onScreen, form.name());
  }
  void controlChanged(Form& form, const Control& control) override {
    events.push_back(form.name() + " " + control.name());
  }
  void timerChanged(Form& /*form*/, const Timer& /*timer*/) override {}
  void stateChanged(Form& /*form*/) override {}

  std::vector<std::string> onScreen;  // in the order they were shown
  std::vector<std::string> events;
};

}  // namespace ttt::test
