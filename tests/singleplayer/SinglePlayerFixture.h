#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "singleplayer/Form2.h"
#include "support/Fakes.h"
#include "support/RecordingWindows.h"
#include "BoardText.h"
#include "RecordingNavigator.h"

namespace ttt::test {

// The single-player window on fake services, opened by each test and ticked by hand.
class SinglePlayerFixture : public ::testing::Test {
 protected:
  SinglePlayerFixture() { form.setObserver(&windows); }

  void open(std::optional<std::string> name = "ALICE") {
    fakes.inputBox.answer(std::move(name));
    form.show();
  }
  const std::string& caption(std::string_view name) const { return form.control(name).caption(); }
  int interval(std::string_view timerName) { return form.timer(timerName).interval(); }
  // The four timers' intervals in dispatch order, as "1001".
  std::string timerStates() {
    std::string states;
    for (const auto& timer : form.timers()) states += timer->running() ? '1' : '0';
    return states;
  }
  std::string boardText() const {
    std::string text;
    for (const std::string& cell : form.cells()) text += cell.empty() ? "." : cell;
    return text;
  }
  // Puts a position on the board directly, as if it had been played.
  void setBoard(std::string_view text) {
    const Cells cells = boardFromText(text);
    for (int i = 0; i < kCellCount; ++i) {
      form.control("S", i).setCaption(cells[static_cast<std::size_t>(i)]);
    }
  }
  void clickCell(int index) { form.click("S(" + std::to_string(index) + ")"); }
  // The user clicks the cell and the computer's reply is prepared to land on replyCell if
  // it comes at random.
  void playAgainstRandom(int userCell, int replyCell) {
    fakes.random.script({drawForCell(replyCell)});
    clickCell(userCell);
  }

  FakeServices fakes;
  RecordingNavigator navigator;
  RecordingWindows windows;
  Form2 form{fakes.services, navigator};
};

}  // namespace ttt::test
