// What the two game windows do alike, run in each of them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/GameForm.h"
#include "shell/Application.h"
#include "singleplayer/Form2.h"
#include "support/Fakes.h"
#include "support/RecordingWindows.h"
#include "twoplayer/Form1.h"

namespace ttt::test {
namespace {

using Texts = std::vector<std::string>;

Texts namesIn(const char* prefix, int first, int last, const char* suffix = "") {
  Texts names;
  for (int n = first; n <= last; ++n) names.push_back(prefix + std::to_string(n) + suffix);
  return names;
}

// The events without the window's name in front.
Texts steps(const Texts& events) {
  Texts found;
  for (const std::string& event : events) found.push_back(event.substr(event.find(' ') + 1));
  return found;
}

TEST(GameWindows, NewGameUnlocksClearsRestartsAndHidesEveryStrikeLineInTheWindowsOrder) {
  FakeServices fakes;
  RecordingWindows windows;
  Application app(fakes.services, windows);
  // Each window's new game: the side it opens with, and its own steps before the timers.
  struct Expected {
    GameForm* form;
    const char* sideLabel;
    const char* opens;
    Texts beforeTimers, timers;
  };
  const Expected games[] = {
      {&app.twoPlayer(), "summa", "O", {}, {"Timer1=1", "Timer2=1"}},
      {&app.singlePlayer(), "turn", "X", {"LBLNUM"}, {"Timer1=1", "Timer4=1"}}};
  for (const auto& [form, sideLabel, opens, beforeTimers, timers] : games) {
    form->show();
    for (int i = 0; i < kCellCount; ++i) form->control("S", i).setCaption("X");
    form->control(sideLabel).setCaption("");
    for (const std::string& counter : beforeTimers) form->control(counter).setCaption("11");
    form->tick();  // every line at once: all eight struck, then announced
    for (const std::string& line : namesIn("Line", 9, 16)) {
      EXPECT_TRUE(form->control(line).visible()) << form->name() << " " << line;
    }
    windows.events.clear();
    form->click("Command1");
    Texts order = {"Frame2", sideLabel};
    for (const std::string& cell : namesIn("S(", 0, 8, ")")) order.push_back(cell);
    order.insert(order.end(), beforeTimers.begin(), beforeTimers.end());
    order.insert(order.end(), timers.begin(), timers.end());
    order.push_back("state");
    for (const std::string& line : namesIn("Line", 9, 16)) order.push_back(line);
    EXPECT_EQ(steps(windows.events), order) << form->name();
    for (const std::string& line : namesIn("Line", 9, 16)) {
      EXPECT_FALSE(form->control(line).visible()) << form->name() << " " << line;
    }
    EXPECT_TRUE(form->control("Frame2").enabled() && form->cells() == Cells{});
    EXPECT_FALSE(form->flags().anySet());
    EXPECT_EQ(form->control(sideLabel).caption(), opens);
    for (const std::string& counter : beforeTimers) EXPECT_EQ(form->control(counter).caption(), "1");
  }
}

}  // namespace
}  // namespace ttt::test
