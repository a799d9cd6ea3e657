#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "screens/Author.h"
#include "twoplayer/TwoPlayerFixture.h"

namespace ttt::test {
namespace {

TEST_F(TwoPlayerTest, BothNamesAreAskedBeforeTheWindowIsShown) {
  open("ANN", "BOB");
  EXPECT_EQ(fakes.inputBox.prompts,
            (std::vector<std::string>{"ENTER ' PLAYER A ' NAME", "ENTER ' PLAYER B ' NAME "}));
  EXPECT_EQ(form.control("Label2").caption(), "ANN");
  EXPECT_EQ(form.control("Label6").caption(), "BOB");
  const auto shown = std::find(windows.events.begin(), windows.events.end(), "shown Form1");
  const auto nameB = std::find(windows.events.begin(), windows.events.end(),
                               "Form1 Label6 caption=BOB visible=1 enabled=1");
  ASSERT_NE(shown, windows.events.end());
  EXPECT_LT(nameB, shown);
}

TEST_F(TwoPlayerTest, CancelledOrEmptyNamesBecomeTheDefaults) {
  open(std::nullopt, "");
  EXPECT_EQ(form.control("Label2").caption(), "PLAYER A");
  EXPECT_EQ(form.control("Label6").caption(), "PLAYER B");
  play(kXWinsTopRow);
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].prompt, "PLAYER A Won The Game !");
  EXPECT_EQ(fakes.messageBox.shown[0].title, "PLAYER A WON !");
}

TEST_F(TwoPlayerTest, NamesAreKeptExactlyAsEntered) {
  const std::string longName(5000, 'Z');
  open("   ", "Tom & Jerry @home " + longName);
  EXPECT_EQ(form.control("Label2").caption(), "   ");
  EXPECT_EQ(form.control("Label6").caption(), "Tom & Jerry @home " + longName);
  play(kXWinsTopRow);
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].title, "    WON !");
  EXPECT_EQ(fakes.messageBox.shown[0].prompt, "    Won The Game !");

  form.click("Command1");
  play(kXWinsTopRow);  // "O" opens: Player B wins
  ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
  EXPECT_EQ(fakes.messageBox.shown[1].title, "Tom & Jerry @home " + longName + " WON !");
}

TEST_F(TwoPlayerTest, ExitShowsTheMenuBeforeTheWindowGoes) {
  open();
  bool loadedWhenMenuShown = false;
  navigator.whenMenuShown = [&] { loadedWhenMenuShown = form.isLoaded(); };
  form.click("Command2");
  EXPECT_EQ(navigator.calls, std::vector<std::string>{"menu"});
  EXPECT_TRUE(loadedWhenMenuShown);
  EXPECT_FALSE(form.isLoaded());
  EXPECT_FALSE(windows.isOnScreen("Form1"));
  EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(TwoPlayerTest, TitleBarCloseReturnsToTheMenu) {
  open();
  bool loadedWhenMenuShown = false;
  navigator.whenMenuShown = [&] { loadedWhenMenuShown = form.isLoaded(); };
  form.requestClose();
  EXPECT_EQ(navigator.calls, std::vector<std::string>{"menu"});
  EXPECT_TRUE(loadedWhenMenuShown);
  EXPECT_FALSE(form.isLoaded());
}

TEST_F(TwoPlayerTest, ReopeningAsksTheNamesAgainAndStartsAFreshGame) {
  open("ANN", "BOB");
  play(kOWinsMiddleRow);
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  form.click("Command2");

  open("CAT", "");
  EXPECT_EQ(fakes.inputBox.prompts.size(), 4u);
  EXPECT_EQ(form.control("Label2").caption(), "CAT");
  EXPECT_EQ(form.control("Label6").caption(), "PLAYER B");
  EXPECT_FALSE(form.flags().anySet());
  EXPECT_EQ(sideToMove(), "X");
  form.tick();
  EXPECT_EQ(fakes.messageBox.shown.size(), 1u);  // the old result is not announced again
  clickCell(0);
  EXPECT_EQ(cell(0), "X");
  EXPECT_TRUE(boardEnabled());
}

TEST_F(TwoPlayerTest, ADecidedGameLeftByTheCloseBoxIsNotCarriedOver) {
  open();
  play({0, 1, 2, 4, 3, 5, 7, 6});
  clickCell(8);
  form.timer("Timer2").setInterval(0);  // decided, not announced
  form.tick();
  ASSERT_EQ(form.flags().TIE, kTrue);
  form.requestClose();
  open();
  form.tick();
  EXPECT_TRUE(fakes.messageBox.shown.empty());
  EXPECT_FALSE(form.flags().anySet());
}

TEST_F(TwoPlayerTest, LinkLabelsLaunchTheHomePageAndAMailMessageHidden) {
  open();
  form.click("Label3");
  form.click("Label5");
  EXPECT_EQ(fakes.launcher.launched,
            (std::vector<LaunchedCommand>{
                {"start.exe " + std::string(kAuthorHomePage), kHiddenWindow},
                {"start.exe mailto:" + std::string(kAuthorEmail), kHiddenWindow},
            }));
  EXPECT_EQ(kHiddenWindow, 0);
  // The web link opens the home page, not the address that it shows.
  EXPECT_NE(form.control("Label3").caption(), kAuthorHomePage);
}

}  // namespace
}  // namespace ttt::test
