#include "twoplayer/Form1.h"

#include "core/Marks.h"
#include "screens/Layouts.h"

namespace ttt {
Form1::Form1(Services& services, Navigator& navigator)
    : GameForm(twoPlayerLayout(), services, navigator, TieLocksBoard::Yes) {
  onArrayClick("S", [this](std::int16_t index) { S_Click(index); });
  onTimer("Timer2", [this] { Timer2_Timer(); });
  onClick("Command1", [this] { Command1_Click(); });
  onClick("Command2", [this] { Command2_Click(); });
}

void Form1::Form_Load() {
  // The instance outlives its window: a result kept from the last showing would be
  // announced again over the fresh board and would lock it.
  setFlags(OutcomeFlags{});
  const std::string nameA = services().inputBox.ask("ENTER ' PLAYER A ' NAME");
  control("Label2").setCaption(nameA);
  const std::string nameB = services().inputBox.ask("ENTER ' PLAYER B ' NAME ");
  control("Label6").setCaption(nameB);
  // Only a name left empty (or a cancelled box) gets the default; blanks are a name.
  if (nameA.empty()) control("Label2").setCaption("PLAYER A");
  if (nameB.empty()) control("Label6").setCaption("PLAYER B");
  sideToMove().setCaption(std::string(kMarkX));
}

void Form1::Form_QueryUnload(std::int16_t& /*cancel*/, std::int16_t reason) {
  // Closed from its title bar, the window goes back to the menu as "&EXIT" does, rather
  // than leaving the program with no window and no contact box.
  if (reason != kCloseFromCode) navigator().showMenu();
}

void Form1::S_Click(std::int16_t index) {
  Control& clicked = cell(index);
  // Two guarded steps; the first fills the cell, so one click places at most one mark.
  placeIfTurn(clicked, kMarkX, kMarkO);
  placeIfTurn(clicked, kMarkO, kMarkX);
}

void Form1::placeIfTurn(Control& clicked, std::string_view mark, std::string_view nextSide) {
  if (clicked.caption() != kEmptyCell || sideToMove().caption() != mark || !noOutcome()) return;
  clicked.setCaption(std::string(mark));
  sideToMove().setCaption(std::string(nextSide));
}

void Form1::Timer2_Timer() {
  // Three independent tests; the line test never leaves more than one flag set.
  if (flags().XWIN == kTrue) announceWinner("Label2");
  if (flags().OWIN == kTrue) announceWinner("Label6");
  if (flags().TIE == kTrue) announce("There is No Winner ! Tie !", "TIE !");
}

void Form1::announceWinner(std::string_view nameLabel) {
  const std::string name = control(nameLabel).caption();
  announce(name + " " + "Won The Game !", name + " " + "WON !");
}

void Form1::announce(const std::string& prompt, const std::string& title) {
  timer("Timer1").setInterval(kStopped);
  timer("Timer2").setInterval(kStopped);
  services().messageBox.show(prompt, kStyleExclamation, title);
}

void Form1::Command1_Click() { NEWGAME(); }

void Form1::Command2_Click() { UNLOAD1(); }

void Form1::NEWGAME() {
  frame().setEnabled(true);
  // Every game begun here opens with "O" to move; only the first after a load opens with "X".
  sideToMove().setCaption(std::string(kMarkO));
  clearCells();
  timer("Timer1").setInterval(kEveryTick);
  timer("Timer2").setInterval(kEveryTick);
  setFlags(OutcomeFlags{});
  hideStrikeLines();
}

void Form1::UNLOAD1() {
  navigator().showMenu();
  unload();
}

}  // namespace ttt
