#include <string>
#include <utility>
#include <vector>

#include "screens/layouts/Author.h"
#include "screens/layouts/BoardLayout.h"
#include "screens/layouts/ControlBuilders.h"
#include "screens/layouts/GameWindowLabels.h"
#include "screens/layouts/Layouts.h"
#include "screens/layouts/ScreenStyle.h"

namespace ttt {

namespace {

// Inside the frame the red grid lies on top and the cells at the bottom, so a struck line
// shows yellow across the cells but is cut where it crosses the grid.
void addBoard(std::vector<ControlLayout>& controls) {
  controls.push_back(boardFrame(240, 2));
  for (int line : {8, 7, 6, 1, 2, 3, 4, 5}) controls.push_back(gridLine(line));
  for (int line = 9; line <= 14; ++line) controls.push_back(rowOrColumnStrikeLine(line));
  controls.push_back(diagonalStrikeLine(15, {720, 600, 2880, 2280}));
  controls.push_back(diagonalStrikeLine(16, {2880, 600, 720, 2280}));
  controls.push_back(cellLabel(4, 3));
  controls.push_back(cellLabel(1, 10));
  controls.push_back(cellLabel(2, 9));
  controls.push_back(cellLabel(5, 7));
  controls.push_back(cellLabel(8, 4));
  controls.push_back(cellLabel(7, 5));
  controls.push_back(cellLabel(6, 6));
  controls.push_back(cellLabel(3, 8));
  controls.push_back(cellLabel(0, 11));
}

ControlLayout scoreBoxLine(int number, TwipsLine geometry) {
  geometry.widthPixels = kScoreBoxLineWidth;
  return makeLine("Line" + std::to_string(number), "", geometry, kOrange);
}

// A count in the score box's lower row, Label10(0) for wins and Label10(1) for losses.
ControlLayout scoreCount(int index, int left, int tabIndex) {
  const TwipsRect rect{left, 2640, 135, 240};
  ControlLayout count =
      autoSized(makeLabel("Label10", "0", rect, kSansBold10, kDarkBlue, tabIndex));
  count.index = index;
  return count;
}

// "WIN" or "LOSS" in the score box's upper row.
ControlLayout scoreHeading(std::string name, std::string caption, int left, int width,
                           int tabIndex) {
  const TwipsRect rect{left, 2280, width, 195};
  return autoSized(
      makeLabel(std::move(name), std::move(caption), rect, kSansBold8, kNavy, tabIndex));
}

// The score box: a two-by-two table of "WIN" and "LOSS" over their counts, drawn in orange.
void addScoreBox(std::vector<ControlLayout>& controls) {
  controls.push_back(scoreBoxLine(22, {5400, 2160, 3960, 2160}));
  controls.push_back(scoreBoxLine(21, {5400, 2160, 5400, 3000}));
  controls.push_back(scoreBoxLine(20, {3960, 2160, 3960, 3000}));
  controls.push_back(scoreBoxLine(19, {5400, 3000, 3960, 3000}));
  controls.push_back(scoreBoxLine(18, {5400, 2520, 3960, 2520}));
  controls.push_back(scoreCount(1, 4920, 24));
  controls.push_back(scoreCount(0, 4200, 23));
  controls.push_back(scoreHeading("Label9", "WIN", 4080, 390, 22));
}

// The user's name and mark, the computer's mark, the hidden move state and the author's links.
void addLabels(std::vector<ControlLayout>& controls) {
  controls.push_back(playerLabel("Label6", "PLAYER A", 840, 1110, 21));
  controls.push_back(playerLabel("Label8", "= \" X \"", 2040, 630, 20));
  controls.push_back(scoreBoxLine(17, {4680, 2160, 4680, 3000}));
  controls.push_back(scoreHeading("Label7", "LOSS", 4800, 495, 19));
  const TwipsRect moveCounter{4440, 600, 90, 195};
  controls.push_back(
      hidden(autoSized(makeLabel("LBLNUM", "1", moveCounter, kSansRegular8, kButtonText, 18))));
  const TwipsRect sideToMove{5040, 3360, 375, 495};
  controls.push_back(hidden(makeLabel("turn", "", sideToMove, kSansBold14, kButtonText, 17)));
  controls.push_back(playerLabel("Label2", "COMPUTER = \" O \"", 2760, 1995, 16));
  controls.push_back(addressHeading("Label1", "WEBSITE :", 360, 3240, 1275, 15));
  controls.push_back(addressLink("Label3", kAuthorWebAddress, 1740, 3240, 2280, 14));
  controls.push_back(addressHeading("Label4", "EMAIL ID :", 240, 3600, 1335, 13));
  controls.push_back(addressLink("Label5", kAuthorEmail, 1680, 3600, 2520, 12));
}

FormLayout buildSinglePlayerLayout() {
  FormLayout form;
  form.name = "Form2";
  form.caption = "SINGLE PLAYER !";
  form.clientWidth = 5670;
  form.clientHeight = 4080;
  form.border = BorderStyle::FixedSingle;
  form.backColour = kButtonFace;
  form.icon = WindowIcon::LightBulb;
  form.taskbarButton = true;
  form.controls.push_back(makeButton("Command2", "&EXIT", {3960, 1320, 1455, 495}, kSansBold10, 0));
  addBoard(form.controls);
  // "&NEW GAME" ends 15 twips below the top of "&EXIT", which is drawn over it there.
  form.controls.push_back(
      makeButton("Command1", "&NEW GAME", {3960, 840, 1455, 495}, kSansBold10, 1));
  addScoreBox(form.controls);
  addLabels(form.controls);
  form.timers = {{"Timer1", 1}, {"Timer2", 0}, {"Timer3", 0}, {"Timer4", 1}};
  return form;
}

}  // namespace

const FormLayout& singlePlayerLayout() {
  static const FormLayout layout = buildSinglePlayerLayout();
  return layout;
}

}  // namespace ttt
