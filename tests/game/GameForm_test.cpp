#include "game/GameForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/Layouts.h"
#include "support/Fakes.h"

namespace ttt::test {
namespace {

class NoNavigation : public Navigator {
 public:
  void showMenu() override {}
  void showTwoPlayer() override {}
  void showSinglePlayer() override {}
};

// A game window with nothing but the shared parts: the board, the line test and the links.
class BoardWindow : public GameForm {
 public:
  BoardWindow(Services& services, Navigator& navigator, TieLocksBoard tieLocksBoard)
      : GameForm(twoPlayerLayout(), services, navigator, tieLocksBoard) {}
};

class GameFormTest : public ::testing::Test {
 protected:
  void place(BoardWindow& window, const std::string& marks) {
    for (int i = 0; i < kCellCount; ++i) {
      const char mark = marks[static_cast<std::size_t>(i)];
      window.control("S", i).setCaption(mark == '.' ? "" : std::string(1, mark));
    }
  }
  std::vector<int> shownStrikeLines(BoardWindow& window) {
    std::vector<int> shown;
    for (int line = kFirstStrikeLine; line <= kLastStrikeLine; ++line) {
      if (window.control("Line" + std::to_string(line)).visible()) shown.push_back(line);
    }
    return shown;
  }

  FakeServices fakes;
  NoNavigation navigator;
  BoardWindow locking{fakes.services, navigator, GameForm::TieLocksBoard::Yes};
  BoardWindow open{fakes.services, navigator, GameForm::TieLocksBoard::No};
};

TEST_F(GameFormTest, AMarkCompletingTwoLinesStrikesBothAndLocksTheBoard) {
  locking.show();
  place(locking, "X..XXX..X");
  locking.tick();
  EXPECT_EQ(shownStrikeLines(locking), (std::vector<int>{10, 15}));
  EXPECT_EQ(locking.flags().XWIN, kTrue);
  EXPECT_FALSE(locking.control("Frame2").enabled());
}

TEST_F(GameFormTest, ATieLocksTheBoardOnlyWhereTheWindowSaysSo) {
  locking.show();
  open.show();
  place(locking, "XOXXOOOXX");
  place(open, "XOXXOOOXX");
  locking.tick();
  open.tick();
  EXPECT_EQ(locking.flags().TIE, kTrue);
  EXPECT_EQ(open.flags().TIE, kTrue);
  EXPECT_FALSE(locking.control("Frame2").enabled());
  EXPECT_TRUE(open.control("Frame2").enabled());
  EXPECT_TRUE(shownStrikeLines(open).empty());
}

TEST_F(GameFormTest, ADecidedBoardStaysDecidedTickAfterTick) {
  locking.show();
  place(locking, "XXXOO....");
  locking.tick();
  const std::uint64_t decided = locking.revision();
  locking.tick();
  EXPECT_EQ(locking.revision(), decided);

  // The line test only ever shows and locks: it hides nothing and unlocks nothing.
  locking.control("Line12").setVisible(true);
  locking.control("Frame2").setEnabled(true);
  place(locking, ".........");
  locking.tick();
  EXPECT_EQ(shownStrikeLines(locking), (std::vector<int>{9, 12}));
  EXPECT_EQ(locking.flags().XWIN, kTrue);
  EXPECT_TRUE(locking.control("Frame2").enabled());
}

}  // namespace
}  // namespace ttt::test
