// What the two game windows do alike, run in each of them.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "shell/Application.h"
#include "singleplayer/Form2.h"
#include "support/Fakes.h"
#include "support/RecordingWindows.h"
#include "twoplayer/Form1.h"

namespace ttt::test {
namespace {

TEST(GameWindows, NewGameUnlocksClearsAndHidesEveryStrikeLine) {
  FakeServices fakes;
  RecordingWindows windows;
  Application app(fakes.services, windows);
  // Each window's label of the side to move, and that side after a new game.
  const std::tuple<GameForm*, std::string, const char*> games[] = {
      {&app.twoPlayer(), "summa", "O"}, {&app.singlePlayer(), "turn", "X"}};
  for (const auto& [form, sideLabel, opens] : games) {
    form->show();
    for (int i = 0; i < kCellCount; ++i) form->controlArray("S", 9)[i].setCaption("X");
    form->control(sideLabel).setCaption("");
    if (sideLabel == "turn") form->control("LBLNUM").setCaption("11");
    form->tick();  // every line at once: all eight struck, then announced
    form->control("Command1").click();
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
