#include "screens/layouts/BoardLayout.h"

#include <array>
#include <cstddef>
#include <string>

#include "screens/layouts/ControlBuilders.h"
#include "screens/layouts/ScreenStyle.h"

namespace ttt {

namespace {

constexpr int kFrameTop = 360;
constexpr int kFrameWidth = 3615;
constexpr int kFrameHeight = 2775;
constexpr int kCellSize = 495;
constexpr std::array<int, 3> kCellColumnLefts = {720, 1560, 2520};
constexpr std::array<int, 3> kCellRowTops = {480, 1200, 1920};

// Line1 to Line8, in number order.
constexpr std::array<TwipsLine, 8> kGridLines = {{
    {1320, 360, 1320, 2520, kGridLineWidth},
    {2280, 360, 2280, 2520, kGridLineWidth},
    {480, 1080, 3120, 1080, kGridLineWidth},
    {480, 1800, 3120, 1800, kGridLineWidth},
    {480, 360, 3120, 360, kGridLineWidth},
    {480, 2520, 3120, 2520, kGridLineWidth},
    {480, 360, 480, 2520, kGridLineWidth},
    {3120, 360, 3120, 2520, kGridLineWidth},
}};

// Line9 to Line14, in number order: top, middle and bottom row, then left, right and middle
// column (the right column's strike is numbered before the middle one's).
constexpr std::array<TwipsLine, 6> kRowAndColumnStrikes = {{
    {720, 720, 2880, 720, kStrikeLineWidth},
    {720, 1440, 2880, 1440, kStrikeLineWidth},
    {720, 2160, 2880, 2160, kStrikeLineWidth},
    {840, 480, 840, 2400, kStrikeLineWidth},
    {2760, 480, 2760, 2400, kStrikeLineWidth},
    {1800, 480, 1800, 2400, kStrikeLineWidth},
}};

constexpr int kFirstGridLine = 1;
constexpr int kFirstRowOrColumnStrike = 9;

std::string lineName(int number) { return "Line" + std::to_string(number); }

}  // namespace

ControlLayout boardFrame(int left, int tabIndex) {
  ControlLayout frame;
  frame.name = kBoardFrameName;
  frame.kind = ControlKind::Frame;
  frame.rect = {left, kFrameTop, kFrameWidth, kFrameHeight};
  frame.tabIndex = tabIndex;
  return frame;
}

ControlLayout cellLabel(int index, int tabIndex) {
  const auto column = static_cast<std::size_t>(index % 3);
  const auto row = static_cast<std::size_t>(index / 3);
  const TwipsRect square{kCellColumnLefts.at(column), kCellRowTops.at(row), kCellSize, kCellSize};
  ControlLayout cell = inContainer(
      makeLabel(kCellArrayName, "", square, kSansBold24, kBlue, tabIndex), kBoardFrameName);
  cell.index = index;
  // The top-left cell alone takes the inactive border colour, a shade the other cells lack.
  if (index == 0) cell.backColour = kInactiveBorder;
  return cell;
}

ControlLayout gridLine(int number) {
  const auto slot = static_cast<std::size_t>(number - kFirstGridLine);
  return makeLine(lineName(number), kBoardFrameName, kGridLines.at(slot), kRed);
}

ControlLayout rowOrColumnStrikeLine(int number) {
  const auto slot = static_cast<std::size_t>(number - kFirstRowOrColumnStrike);
  const TwipsLine geometry = kRowAndColumnStrikes.at(slot);
  return hidden(makeLine(lineName(number), kBoardFrameName, geometry, kYellow));
}

ControlLayout diagonalStrikeLine(int number, TwipsLine geometry) {
  geometry.widthPixels = kStrikeLineWidth;
  return hidden(makeLine(lineName(number), kBoardFrameName, geometry, kYellow));
}

}  // namespace ttt
