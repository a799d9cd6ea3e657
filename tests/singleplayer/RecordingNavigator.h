#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/Navigator.h"

namespace ttt::test {

// Stands in for the application: records which window each call asked for.
class RecordingNavigator : public Navigator {
 public:
  void showMenu() override { record("menu"); }
  void showTwoPlayer() override { record("twoPlayer"); }
  void showSinglePlayer() override { record("singlePlayer"); }

  std::vector<std::string> calls;
  // Runs at every call, after it is recorded, to look at the caller's state at that moment.
  std::function<void()> onCall;

 private:
  void record(std::string call) {
    calls.push_back(std::move(call));
    if (onCall) onCall();
  }
};

}  // namespace ttt::test
