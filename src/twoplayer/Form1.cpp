#include "twoplayer/Form1.h"

#include <string>

#include "core/Marks.h"
#include "screens/layouts/Layouts.h"

namespace ttt {

// Every game begun with "&NEW GAME" opens with "O" to move; only the first after a load
// opens with "X".
Form1::Form1(Services& services, Navigator& navigator)
    : GameForm(twoPlayerLayout(), services, navigator, {"summa", kMarkO, TieLocksBoard::Yes}) {
  Timer2.onTick([this] { Timer2_Timer(); });
}

void Form1::askNames() {
  const std::string nameA = askName("ENTER ' PLAYER A ' NAME", Label2);
  const std::string nameB = askName("ENTER ' PLAYER B ' NAME ", Label6);
  // Only a name left empty (or a cancelled box) gets the default; blanks are a name.
  if (nameA.empty()) Label2.setCaption("PLAYER A");
  if (nameB.empty()) Label6.setCaption("PLAYER B");
}

void Form1::Form_QueryUnload(std::int16_t& /*cancel*/, std::int16_t reason) {
  // Closed from its title bar, the window goes back to the menu as "&EXIT" does, rather
  // than leaving the program with no window and no contact box.
  if (reason != kCloseFromCode) navigator().showMenu();
}

void Form1::S_Click(std::int16_t index) {
  Control& clicked = S[index];
  // Two guarded steps; the first fills the cell, so one click places at most one mark.
  placeIfTurn(clicked, kMarkX, kMarkO);
  placeIfTurn(clicked, kMarkO, kMarkX);
}

void Form1::placeIfTurn(Control& clicked, std::string_view mark, std::string_view nextSide) {
  if (mayPlace(clicked, mark)) place(clicked, mark, nextSide);
}

void Form1::Timer2_Timer() {
  // Three independent tests; the line test never leaves more than one flag set.
  if (flags().XWIN == kTrue) announceWinner(Label2);
  if (flags().OWIN == kTrue) announceWinner(Label6);
  if (flags().TIE == kTrue) announce("There is No Winner ! Tie !", "TIE !");
}

void Form1::announceWinner(const Control& nameLabel) {
  const std::string name = nameLabel.caption();
  announce(name + " " + "Won The Game !", name + " " + "WON !");
}

void Form1::UNLOAD1() { returnToMenu(); }

}  // namespace ttt
