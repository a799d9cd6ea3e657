#include "shell/Application.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "screens/Author.h"
#include "shell/ContactBox.h"
#include "shell/Form3.h"
#include "singleplayer/Form2.h"
#include "support/Fakes.h"
#include "support/RecordingWindows.h"
#include "twoplayer/Form1.h"

namespace ttt::test {
namespace {

class ApplicationTest : public ::testing::Test {
 protected:
  ApplicationTest() { app.start(); }

  std::size_t eventIndex(const std::string& event) const {
    const auto found = std::find(windows.events.begin(), windows.events.end(), event);
    EXPECT_NE(found, windows.events.end()) << event;
    return static_cast<std::size_t>(found - windows.events.begin());
  }

  FakeServices fakes;
  RecordingWindows windows;
  Application app{fakes.services, windows};
};

TEST_F(ApplicationTest, StartShowsTheMenuAloneAndAsksNothing) {
  EXPECT_EQ(windows.onScreen, std::vector<std::string>{"Form3"});
  EXPECT_TRUE(fakes.inputBox.prompts.empty());
  EXPECT_TRUE(fakes.messageBox.shown.empty());
  EXPECT_TRUE(app.anyWindowOpen());
}

TEST_F(ApplicationTest, TwoPlayerReplacesTheMenuWithoutTheContactBox) {
  fakes.inputBox.answer("ANN");
  fakes.inputBox.answer("BOB");
  app.menu().click("Command2");
  EXPECT_EQ(windows.onScreen, std::vector<std::string>{"Form1"});
  EXPECT_TRUE(fakes.messageBox.shown.empty());
  EXPECT_EQ(fakes.inputBox.prompts.size(), 2u);
  // The menu has gone before the names are asked.
  EXPECT_LT(eventIndex("unloaded Form3"),
            eventIndex("Form1 Label2 caption=ANN visible=1 enabled=1"));
  EXPECT_TRUE(app.anyWindowOpen());
}

TEST_F(ApplicationTest, OnePlayerReplacesTheMenuWithoutTheContactBox) {
  app.menu().click("Command1");
  EXPECT_EQ(windows.onScreen, std::vector<std::string>{"Form2"});
  EXPECT_TRUE(fakes.messageBox.shown.empty());
  EXPECT_EQ(fakes.inputBox.prompts.size(), 1u);
}

TEST_F(ApplicationTest, ExitShowsTheContactBoxOnceAfterTheMenuHasGone) {
  bool menuOnScreenDuringBox = true;
  bool openDuringBox = true;
  fakes.messageBox.whileOpen = [&](const ShownMessage&) {
    menuOnScreenDuringBox = windows.isOnScreen("Form3");
    openDuringBox = app.anyWindowOpen();
  };
  app.menu().click("Command3");
  EXPECT_EQ(fakes.messageBox.shown,
            (std::vector<ShownMessage>{{ContactBox::prompt(), kStyleInformation, "CONTACT !"}}));
  EXPECT_FALSE(menuOnScreenDuringBox);
  EXPECT_FALSE(openDuringBox);
  EXPECT_FALSE(app.anyWindowOpen());
  EXPECT_TRUE(windows.onScreen.empty());
}

TEST_F(ApplicationTest, TheMenusCloseBoxShowsTheContactBoxOnceWhileTheMenuIsOnScreen) {
  bool menuOnScreenDuringBox = false;
  fakes.messageBox.whileOpen = [&](const ShownMessage&) {
    menuOnScreenDuringBox = windows.isOnScreen("Form3") && app.menu().isLoaded();
  };
  app.menu().requestClose();
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].title, "CONTACT !");
  EXPECT_EQ(fakes.messageBox.shown[0].style, kStyleInformation);
  EXPECT_TRUE(menuOnScreenDuringBox);
  EXPECT_FALSE(app.anyWindowOpen());
}

TEST_F(ApplicationTest, ContactTextIsFiveLinesWithTheAddresses) {
  const std::string expected = std::string("Send Your Comments And Suggestions\r\n") +  //
                               "\r\n" +                                              //
                               "    " + std::string(kAuthorEmail) + "\r\n" +          //
                               "\r\n" +                                              //
                               "  " + std::string(kAuthorWebAddressWithScheme);
  EXPECT_EQ(ContactBox::prompt(), expected);
  EXPECT_EQ(std::string(kAuthorWebAddressWithScheme).rfind("http", 0), 0u);
}

TEST_F(ApplicationTest, EveryVisitToTheTwoPlayerGameAsksBothNamesAgain) {
  app.menu().click("Command2");
  Form1& first = app.twoPlayer();
  first.click("Command2");
  EXPECT_EQ(windows.onScreen, std::vector<std::string>{"Form3"});
  EXPECT_EQ(std::count(windows.events.begin(), windows.events.end(), "shown Form3"), 2);
  app.menu().click("Command2");
  EXPECT_EQ(fakes.inputBox.prompts.size(), 4u);
  EXPECT_EQ(&app.twoPlayer(), &first);
  EXPECT_EQ(windows.onScreen, std::vector<std::string>{"Form1"});
  EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(ApplicationTest, GameWindowsClosedFromTheTitleBarReturnToTheMenu) {
  app.menu().click("Command2");
  app.twoPlayer().requestClose();
  EXPECT_EQ(windows.onScreen, std::vector<std::string>{"Form3"});
  app.menu().click("Command1");
  app.singlePlayer().requestClose();
  EXPECT_EQ(windows.onScreen, std::vector<std::string>{"Form3"});
  EXPECT_TRUE(fakes.messageBox.shown.empty());
  EXPECT_TRUE(app.anyWindowOpen());
}

TEST_F(ApplicationTest, ExitFromAGameAndThenFromTheMenuEndsTheProgram) {
  app.menu().click("Command1");
  app.singlePlayer().click("Command2");
  EXPECT_EQ(windows.onScreen, std::vector<std::string>{"Form3"});
  app.menu().click("Command3");
  EXPECT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_FALSE(app.anyWindowOpen());
}

}  // namespace
}  // namespace ttt::test
