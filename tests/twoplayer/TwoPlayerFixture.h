#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/Navigator.h"
#include "support/Fakes.h"
#include "support/RecordingWindows.h"
#include "twoplayer/Form1.h"

namespace ttt::test {

// Stands in for the application: counts the windows asked for and lets a test look at the
// state at the moment the menu is asked for.
class RecordingNavigator : public Navigator {
 public:
  void showMenu() override {
    calls.push_back("menu");
    if (whenMenuShown) whenMenuShown();
  }
  void showTwoPlayer() override { calls.push_back("two player"); }
  void showSinglePlayer() override { calls.push_back("single player"); }

  std::vector<std::string> calls;
  std::function<void()> whenMenuShown;
};

class TwoPlayerTest : public ::testing::Test {
 protected:
  TwoPlayerTest() { form.setObserver(&windows); }

  // Opens the window with the two answers to the name boxes (nullopt cancels a box).
  void open(std::optional<std::string> nameA = "ANN", std::optional<std::string> nameB = "BOB") {
    fakes.inputBox.answer(std::move(nameA));
    fakes.inputBox.answer(std::move(nameB));
    form.show();
  }

  // Clicks the cells in turn, with one tick after each click.
  void play(const std::vector<int>& cells) {
    for (int cell : cells) {
      clickCell(cell);
      form.tick();
    }
  }

  void clickCell(int index) { form.click("S(" + std::to_string(index) + ")"); }
  std::string cell(int index) { return form.control("S", index).caption(); }
  std::string sideToMove() { return form.control("summa").caption(); }
  bool strikeLineShown(int line) { return form.control("Line" + std::to_string(line)).visible(); }
  bool boardEnabled() { return form.control("Frame2").enabled(); }
  int interval(const char* timerName) { return form.timer(timerName).interval(); }

  FakeServices fakes;
  RecordingWindows windows;
  RecordingNavigator navigator;
  Form1 form{fakes.services, navigator};
};

// Games that end on the last click of their list, with "X" to move first.
inline const std::vector<int> kXWinsTopRow = {0, 3, 1, 4, 2};
inline const std::vector<int> kOWinsMiddleRow = {0, 3, 1, 4, 8, 5};
inline const std::vector<int> kTieGame = {0, 1, 2, 4, 3, 5, 7, 6, 8};  // X O X / X O O / O X X

}  // namespace ttt::test
