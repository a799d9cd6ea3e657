// What the two game windows do alike, run in each of them.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "shell/Application.h"
#include "singleplayer/Form2.h"
#include "support/Fakes.h"
#include "support/RecordingWindows.h"
#include "twoplayer/Form1.h"

namespace ttt::test {
namespace {

using Texts = std::vector<std::string>;

TEST(GameWindows, NewGameUnlocksClearsRestartsAndHidesEveryStrikeLineInTheWindowsOrder) {
  FakeServices fakes;
  RecordingWindows windows;
  Application app(fakes.services, windows);
  // Each window's side to move after a new game, and its own steps before the timers.
  const std::tuple<GameForm*, std::string, const char*, Texts> games[] = {
      {&app.twoPlayer(), "summa", "O", {"Timer1=1", "Timer2=1"}},
      {&app.singlePlayer(), "turn", "X", {"LBLNUM", "Timer1=1", "Timer4=1"}}};
  for (const auto& [form, sideLabel, opens, countersAndTimers] : games) {
    form->show();
    for (int i = 0; i < kCellCount; ++i) form->controlArray("S", 9)[i].setCaption("X");
    form->control(sideLabel).setCaption("");
    if (sideLabel == "turn") form->control("LBLNUM").setCaption("11");
    form->tick();  // every line at once: all eight struck, then announced
    windows.events.clear();
    form->control("Command1").click();
    Texts order = {"Frame2", sideLabel};
    for (int i = 0; i < kCellCount; ++i) order.push_back("S(" + std::to_string(i) + ")");
    order.insert(order.end(), countersAndTimers.begin(), countersAndTimers.end());
    order.push_back("state");
    for (int n = 9; n <= 16; ++n) order.push_back("Line" + std::to_string(n));
    for (std::string& step : order) step = form->name() + " " + step;
    EXPECT_EQ(windows.events, order);  // each control and timer changed once, in this order
    for (int n = 9; n <= 16; ++n) EXPECT_FALSE(form->control("Line" + std::to_string(n)).visible());
    EXPECT_TRUE(form->control("Frame2").enabled());
    EXPECT_EQ(form->cells(), Cells{});
    EXPECT_FALSE(form->flags().anySet());
    EXPECT_EQ(form->control(sideLabel).caption(), opens);
  }
  EXPECT_EQ(app.singlePlayer().control("LBLNUM").caption(), "1");
}

}  // namespace
}  // namespace ttt::test
