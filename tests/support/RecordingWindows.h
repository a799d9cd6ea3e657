#pragma once

#include <string>
#include <vector>

#include "forms/Form.h"
#include "forms/FormObserver.h"

namespace ttt::test {

// Stands in for the desktop: records which windows are on screen and every event in order,
// as lines such as "shown Form1", "unloaded Form3", "Form1 S(4) caption=X", "Form1 Timer2=0".
class RecordingWindows : public FormObserver {
 public:
  void formShown(Form& form) override;
  void formUnloaded(Form& form) override;
  void controlChanged(Form& form, const Control& control) override;
  void timerChanged(Form& form, const Timer& timer) override;
  void stateChanged(Form& form) override;

  bool isOnScreen(const std::string& formName) const;
  std::vector<std::string> onScreen;  // in the order they were shown
  std::vector<std::string> events;
};

}  // namespace ttt::test
