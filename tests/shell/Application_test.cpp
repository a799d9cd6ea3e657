#include "shell/Application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/access/CellKeyPress.h"
#include "shell/Form3.h"
#include "singleplayer/Form2.h"
#include "support/Fakes.h"
#include "support/RecordingWindows.h"
#include "twoplayer/Form1.h"

namespace ttt::test {
namespace {

using Texts = std::vector<std::string>;

const ShownMessage kContactBox{
    "Send Your Comments And Suggestions\r\n\r\n    orvane@orvane.example\r\n\r\n"
    "  http://www.orvane.example",
    kStyleInformation, "CONTACT !"};

TEST(Application, GamesReplaceTheMenuEveryWayBackLeadsToItAndItsExitOrCloseBoxEndsTheProgram) {
  FakeServices fakes;
  RecordingWindows windows;
  Application app{fakes.services, windows};
  app.start();
  EXPECT_EQ(windows.events, Texts{"shown Form3"});
  EXPECT_FALSE(pressCellKey(app.menu(), {CellKey::Row::Digits, 1})) << "the menu has no cells";
  app.menu().control("Command2").click();
  EXPECT_EQ(windows.events.at(1), "unloaded Form3");  // the menu goes before the names are asked
  EXPECT_EQ(windows.onScreen, Texts{"Form1"});
  Form1* const twoPlayer = &app.twoPlayer();
  twoPlayer->control("Command2").click();
  EXPECT_EQ(windows.onScreen, Texts{"Form3"});
  app.menu().control("Command2").click();
  EXPECT_EQ(fakes.inputBox.prompts.size(), 4u);
  EXPECT_EQ(&app.twoPlayer(), twoPlayer);
  twoPlayer->requestClose();
  EXPECT_EQ(windows.onScreen, Texts{"Form3"});
  app.menu().control("Command1").click();
  EXPECT_EQ(windows.onScreen, Texts{"Form2"});
  app.singlePlayer().control("Command2").click();
  EXPECT_EQ(windows.onScreen, Texts{"Form3"});
  // "&EXIT" closes the menu before the contact box; then no window is open and the program ends.
  fakes.messageBox.whileOpen = [&](const ShownMessage&) { EXPECT_FALSE(app.anyWindowOpen()); };
  app.menu().control("Command3").click();
  EXPECT_FALSE(app.anyWindowOpen());
  // The menu's close box shows the same box while the menu is still up, then ends it too.
  app.start();
  fakes.messageBox.whileOpen = [&](const ShownMessage&) {
    EXPECT_EQ(windows.onScreen, Texts{"Form3"});
  };
  app.menu().requestClose();
  EXPECT_EQ(fakes.messageBox.shown, std::vector<ShownMessage>(2, kContactBox));
  EXPECT_TRUE(windows.onScreen.empty());
}

}  // namespace
}  // namespace ttt::test
