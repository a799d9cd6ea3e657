#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "core/LineTest.h"
#include "core/Marks.h"
#include "singleplayer/Form2.h"
#include "support/Fakes.h"
#include "RecordingNavigator.h"

namespace ttt::test {
namespace {

int countOf(const Cells& cells, std::string_view mark) {
  return static_cast<int>(std::count(cells.begin(), cells.end(), mark));
}

int flagsSet(const OutcomeFlags& flags) {
  return (flags.XWIN == kTrue) + (flags.OWIN == kTrue) + (flags.TIE == kTrue);
}

// A user who clicks cells and buttons at random moments, occupied cells included, against
// the real window on fake services. Every tick, click and new game is checked against the
// rules of the game.
class RandomUserSimulation {
 public:
  explicit RandomUserSimulation(unsigned seed) : user_(seed) {
    fakes_.inputBox.answer("SIM");
    form_.show();
    fakes_.messageBox.whileOpen = [this](const ShownMessage& message) { onAnnouncement(message); };
  }

  void playUntil(int decidedGames) {
    while (decided_ < decidedGames && !::testing::Test::HasFatalFailure()) step();
  }
  int decided() const { return decided_; }
  int wins() const { return wins_; }
  int losses() const { return losses_; }
  int ties() const { return ties_; }
  int abandoned() const { return abandoned_; }

 private:
  void step() {
    const int roll = std::uniform_int_distribution<int>(0, 99)(user_);
    const bool over = form_.control("turn").caption().empty();
    if (roll < 2 || (over && roll < 50)) {
      newGame();
    } else if (roll < 45) {
      clickCell(std::uniform_int_distribution<int>(0, kCellCount - 1)(user_));
    } else {
      tick();
    }
  }

  void newGame() {
    if (announcedThisGame_ == 0 && countOf(form_.cells(), kMarkX) > 0) ++abandoned_;
    form_.click("Command1");
    announcedThisGame_ = 0;
    ticksAwaitingReply_ = 0;
    ASSERT_EQ(countOf(form_.cells(), kEmptyCell), kCellCount);
    ASSERT_FALSE(form_.flags().anySet());
  }

  void clickCell(int index) {
    const Cells before = form_.cells();
    const bool mayMove = before[static_cast<std::size_t>(index)].empty() &&
                         form_.control("turn").caption() == kMarkX && !form_.flags().anySet();
    form_.click("S(" + std::to_string(index) + ")");
    Cells expected = before;
    if (mayMove) expected[static_cast<std::size_t>(index)] = kMarkX;
    ASSERT_EQ(form_.cells(), expected) << "click on " << index;
  }

  void tick() {
    const Cells before = form_.cells();
    const bool decidedBefore = form_.flags().anySet();
    form_.tick();
    const Cells after = form_.cells();
    ASSERT_LE(flagsSet(form_.flags()), 1);
    checkOnlyNewOsAppeared(before, after, decidedBefore);
    checkFlagsMatchTheBoard(after);
    checkTurn(after);
    checkScore();
  }

  void checkOnlyNewOsAppeared(const Cells& before, const Cells& after, bool decidedBefore) {
    int placed = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
      if (before[i] == after[i]) continue;
      ASSERT_TRUE(before[i].empty()) << "cell " << i << " was taken";
      ASSERT_EQ(after[i], kMarkO);
      ++placed;
    }
    ASSERT_LE(placed, decidedBefore ? 0 : 1);
  }

  void checkFlagsMatchTheBoard(const Cells& cells) {
    const OutcomeFlags flags = form_.flags();
    const OutcomeFlags onBoard = runLineTest(cells, OutcomeFlags{}).flags;
    ASSERT_TRUE(flags.XWIN != kTrue || onBoard.XWIN == kTrue);
    ASSERT_TRUE(flags.OWIN != kTrue || onBoard.OWIN == kTrue);
    ASSERT_TRUE(flags.TIE != kTrue || countOf(cells, kEmptyCell) == 0);
    // Each decided game is announced on the tick that decides it, and only once.
    ASSERT_EQ(announcedThisGame_, flags.anySet() ? 1 : 0);
  }

  void checkTurn(const Cells& cells) {
    const std::string& turn = form_.control("turn").caption();
    const int xs = countOf(cells, kMarkX);
    const int os = countOf(cells, kMarkO);
    ASSERT_TRUE(turn != kMarkX || xs == os);
    ASSERT_TRUE(turn != kMarkO || xs == os + 1);
    ASSERT_TRUE(!turn.empty() || announcedThisGame_ == 1);
    // A reply comes within two ticks, the second one only after a hand-over.
    ticksAwaitingReply_ = turn == kMarkO && !form_.flags().anySet() ? ticksAwaitingReply_ + 1 : 0;
    ASSERT_LE(ticksAwaitingReply_, 2);
  }

  void checkScore() {
    ASSERT_EQ(form_.control("Label10(0)").caption(), std::to_string(wins_));
    ASSERT_EQ(form_.control("Label10(1)").caption(), std::to_string(losses_));
  }

  void onAnnouncement(const ShownMessage& message) {
    ++announcedThisGame_;
    ++decided_;
    const OutcomeFlags& flags = form_.flags();
    if (flags.XWIN == kTrue) {
      EXPECT_EQ(message.prompt, "You Beat the computer!");
      ++wins_;
    } else if (flags.OWIN == kTrue) {
      EXPECT_EQ(message.prompt, "The computer beat you!");
      ++losses_;
    } else {
      EXPECT_EQ(message.prompt, "There is no winner.  The game is tie!");
      ++ties_;
    }
  }

  FakeServices fakes_;
  RecordingNavigator navigator_;
  Form2 form_{fakes_.services, navigator_};
  std::mt19937 user_;
  int decided_ = 0;
  int wins_ = 0;
  int losses_ = 0;
  int ties_ = 0;
  int abandoned_ = 0;
  int announcedThisGame_ = 0;
  int ticksAwaitingReply_ = 0;
};

TEST(Simulation, TwentyThousandGamesAgainstARandomUserKeepTheRules) {
  RandomUserSimulation simulation(20240611u);
  simulation.playUntil(20000);
  EXPECT_EQ(simulation.decided(), 20000);
  EXPECT_EQ(simulation.wins() + simulation.losses() + simulation.ties(), simulation.decided());
  // Every kind of ending happens, and so do games abandoned half-way.
  EXPECT_GT(simulation.wins(), 0);
  EXPECT_GT(simulation.losses(), 0);
  EXPECT_GT(simulation.ties(), 0);
  EXPECT_GT(simulation.abandoned(), 0);
}

}  // namespace
}  // namespace ttt::test
