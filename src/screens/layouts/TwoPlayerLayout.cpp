#include <vector>

#include "screens/layouts/Author.h"
#include "screens/layouts/BoardLayout.h"
#include "screens/layouts/ControlBuilders.h"
#include "screens/layouts/GameWindowLabels.h"
#include "screens/layouts/Layouts.h"
#include "screens/layouts/ScreenStyle.h"

namespace ttt {

namespace {

// Inside the frame the strike lines lie on top of everything, so a struck line shows yellow
// across the red grid; the grid lies at the bottom, except Line5, which sits between S(4)
// and the other cells (the grid and the cells never overlap, so that order shows nowhere).
void addTwoPlayerBoard(std::vector<ControlLayout>& controls) {
  controls.push_back(boardFrame(360, 3));
  controls.push_back(diagonalStrikeLine(16, {2760, 720, 840, 2160}));
  controls.push_back(diagonalStrikeLine(15, {840, 720, 2880, 2160}));
  for (int line = 14; line >= 9; --line) controls.push_back(rowOrColumnStrikeLine(line));
  controls.push_back(cellLabel(4, 13));
  controls.push_back(gridLine(5));
  controls.push_back(cellLabel(8, 11));
  controls.push_back(cellLabel(7, 10));
  controls.push_back(cellLabel(6, 9));
  controls.push_back(cellLabel(5, 8));
  controls.push_back(cellLabel(3, 7));
  controls.push_back(cellLabel(2, 6));
  controls.push_back(cellLabel(1, 5));
  controls.push_back(cellLabel(0, 4));
  for (int line : {4, 3, 2, 1, 6, 7, 8}) controls.push_back(gridLine(line));
}

// The players' names with their marks, the author's links, and the hidden side to move.
void addTwoPlayerLabels(std::vector<ControlLayout>& controls) {
  controls.push_back(playerLabel("Label7", "= \" O \"", 3600, 660, 20));
  controls.push_back(playerLabel("Label6", "PLAYER B", 2400, 1110, 19));
  controls.push_back(playerLabel("Label8", "= \" X \"", 1560, 630, 18));
  controls.push_back(addressLink("Label5", kAuthorEmail, 1560, 4200, 2520, 17));
  controls.push_back(addressHeading("Label4", "EMAIL ID :", 120, 4200, 1335, 16));
  controls.push_back(addressLink("Label3", kAuthorWebAddress, 1740, 3840, 2280, 15));
  controls.push_back(addressHeading("Label1", "WEBSITE :", 240, 3840, 1275, 14));
  controls.push_back(playerLabel("Label2", "PLAYER A", 360, 1110, 12));
  // Lies beyond the right edge of the window; it is never shown.
  const TwipsRect offWindow{4560, 1320, 375, 495};
  controls.push_back(hidden(makeLabel("summa", "", offWindow, kSansBold14, kButtonText, 0)));
}

FormLayout buildTwoPlayerLayout() {
  FormLayout form;
  form.name = "Form1";
  form.caption = "TWO PLAYER !";
  form.clientWidth = 4350;
  form.clientHeight = 4590;
  form.border = BorderStyle::FixedSingle;
  form.backColour = kButtonFace;
  form.icon = WindowIcon::LightBulb;
  form.taskbarButton = true;
  // "&EXIT" starts 15 twips before "&NEW GAME" ends and is drawn over it there.
  form.controls.push_back(makeButton("Command2", "&EXIT", {2280, 3240, 1455, 495}, kSansBold10, 2));
  form.controls.push_back(
      makeButton("Command1", "&NEW GAME", {840, 3240, 1455, 495}, kSansBold10, 1));
  addTwoPlayerBoard(form.controls);
  addTwoPlayerLabels(form.controls);
  form.timers = {{"Timer1", 1}, {"Timer2", 1}};
  return form;
}

}  // namespace

const FormLayout& twoPlayerLayout() {
  static const FormLayout layout = buildTwoPlayerLayout();
  return layout;
}

}  // namespace ttt
