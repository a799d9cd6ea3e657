// What the game windows draw, read back pixel by pixel at the layouts' coordinates.
#include <gtest/gtest.h>

#include "WindowProbe.h"
#include "WindowsFixture.h"
#include "screens/Layouts.h"

namespace ttt::test {
namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kOrange{255, 128, 0};
constexpr Rgb kButtonFace{240, 240, 240};
constexpr Rgb kInactiveBorder{244, 247, 252};

// The board frame's top left corner in window pixels: 360, 360 twips in the two-player
// window and 240, 360 in the single-player one.
constexpr int kTwoPlayerFrameX = 24;
constexpr int kSinglePlayerFrameX = 16;
constexpr int kFrameY = 24;

// A point given in twips inside the frame, in window pixels.
int inFrameX(int frameX, int twips) { return frameX + twips / 15; }
int inFrameY(int twips) { return kFrameY + twips / 15; }

class WindowPixels : public WindowsTest {};

TEST_F(WindowPixels, RedGridRunsAtItsCoordinatesFourPixelsWide) {
  Form& form = open(twoPlayerLayout());
  const Snapshot shot(windowOf(form));
  const int x = kTwoPlayerFrameX;
  // Inner verticals 1320 and 2280, inner horizontals 1080 and 1800, edges 480/3120 and 360/2520.
  for (const int lineX : {1320, 2280, 480, 3120}) {
    EXPECT_EQ(shot.at(inFrameX(x, lineX), inFrameY(1500)), kRed) << "vertical at " << lineX;
  }
  for (const int lineY : {1080, 1800, 360, 2520}) {
    EXPECT_EQ(shot.at(inFrameX(x, 900), inFrameY(lineY)), kRed) << "horizontal at " << lineY;
  }
  // Across the row 1500 down, from inside the left column to inside the middle column, only
  // the inner vertical is red, and it is four pixels wide.
  EXPECT_EQ(shot.count(inFrameX(x, 1000), inFrameY(1500), 30, 1, kRed), 4);
  // Nothing red inside a square.
  EXPECT_EQ(shot.count(inFrameX(x, 600), inFrameY(500), 40, 30, kRed), 0);
}

TEST_F(WindowPixels, StrikeLineIsYellowWhileShownAndLeavesNoTraceWhenHidden) {
  Form& form = open(twoPlayerLayout());
  WindowView& window = windowOf(form);
  const int x = kTwoPlayerFrameX;
  const Snapshot before(window);
  EXPECT_EQ(before.count(0, 0, before.width(), before.height(), kYellow), 0);

  form.control("Line9").setVisible(true);
  form.control("Line15").setVisible(true);
  const Snapshot shown(window);
  // Line9 runs 720 down across the top row, over S(1); three pixels wide.
  EXPECT_EQ(shown.at(inFrameX(x, 1800), inFrameY(720)), kYellow);
  EXPECT_EQ(shown.count(inFrameX(x, 1800), inFrameY(600), 1, 16, kYellow), 3);
  // Line15 runs from 840, 720 to 2880, 2160: its middle, 1860, 1440, lies on the centre cell.
  EXPECT_EQ(shown.at(inFrameX(x, 1860), inFrameY(1440)), kYellow);
  // Line10, not shown, is absent from the middle row.
  EXPECT_EQ(shown.at(inFrameX(x, 2700), inFrameY(1440)), kButtonFace);

  form.control("Line9").setVisible(false);
  form.control("Line15").setVisible(false);
  EXPECT_TRUE(Snapshot(window) == before);
}

TEST_F(WindowPixels, TwoPlayerStrikeLiesOverTheGridAndSinglePlayerGridOverTheStrike) {
  Form& twoPlayer = open(twoPlayerLayout());
  twoPlayer.control("Line9").setVisible(true);
  // Line9 (720 down) crosses the inner vertical Line1 (1320 across).
  EXPECT_EQ(Snapshot(windowOf(twoPlayer)).at(inFrameX(kTwoPlayerFrameX, 1320), inFrameY(720)),
            kYellow);
  twoPlayer.unload();

  Form& singlePlayer = open(singlePlayerLayout());
  singlePlayer.control("Line9").setVisible(true);
  const Snapshot shot(windowOf(singlePlayer));
  EXPECT_EQ(shot.at(inFrameX(kSinglePlayerFrameX, 1320), inFrameY(720)), kRed);
  EXPECT_EQ(shot.at(inFrameX(kSinglePlayerFrameX, 1800), inFrameY(720)), kYellow);
}

TEST_F(WindowPixels, TopLeftCellHasTheInactiveBorderColour) {
  Form& form = open(twoPlayerLayout());
  const Snapshot shot(windowOf(form));
  // S(0) at 720, 480 and S(1) at 1560, 480, both 495 square.
  EXPECT_EQ(shot.count(inFrameX(kTwoPlayerFrameX, 720), inFrameY(480), 33, 33, kInactiveBorder),
            33 * 33);
  EXPECT_EQ(shot.count(inFrameX(kTwoPlayerFrameX, 1560), inFrameY(480), 33, 33, kButtonFace),
            33 * 33);
}

TEST_F(WindowPixels, MarkShowsBlueInItsOwnSquare) {
  Form& form = open(twoPlayerLayout());
  WindowView& window = windowOf(form);
  const int centreX = inFrameX(kTwoPlayerFrameX, 1560);
  const int centreY = inFrameY(1200);
  const int cornerX = inFrameX(kTwoPlayerFrameX, 2520);
  const int cornerY = inFrameY(1920);
  EXPECT_EQ(Snapshot(window).count(centreX, centreY, 33, 33, kBlue), 0);

  form.control("S", 4).setCaption("X");
  const Snapshot centre(window);
  EXPECT_GT(centre.count(centreX, centreY, 33, 33, kBlue), 40);
  EXPECT_EQ(centre.count(cornerX, cornerY, 33, 33, kBlue), 0);

  form.control("S", 8).setCaption("O");
  EXPECT_GT(Snapshot(window).count(cornerX, cornerY, 33, 33, kBlue), 40);
}

TEST_F(WindowPixels, SinglePlayerScoreBoxIsOrange) {
  Form& form = open(singlePlayerLayout());
  const Snapshot shot(windowOf(form));
  // The box runs 3960 to 5400 across and 2160 to 3000 down, divided at 4680 and 2520.
  EXPECT_EQ(shot.at(4320 / 15, 2160 / 15), kOrange);
  EXPECT_EQ(shot.at(4320 / 15, 3000 / 15), kOrange);
  EXPECT_EQ(shot.at(4320 / 15, 2520 / 15), kOrange);
  EXPECT_EQ(shot.at(3960 / 15, 2400 / 15), kOrange);
  EXPECT_EQ(shot.at(5400 / 15, 2400 / 15), kOrange);
  EXPECT_EQ(shot.at(4680 / 15, 2800 / 15), kOrange);
  EXPECT_EQ(shot.count(4320 / 15, 2100 / 15, 1, 10, kOrange), 3);
}

TEST_F(WindowPixels, DisabledBoardLooksExactlyAsEnabled) {
  Form& form = open(twoPlayerLayout());
  form.control("S", 4).setCaption("X");
  const Snapshot enabled(windowOf(form));
  form.control("Frame2").setEnabled(false);
  EXPECT_TRUE(Snapshot(windowOf(form)) == enabled);
}

}  // namespace
}  // namespace ttt::test
