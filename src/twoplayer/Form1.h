#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/GameForm.h"

namespace ttt {

// The two-player window: Player A plays "X", Player B "O", taking turns at one mouse.
class Form1 : public GameForm {
 public:
  Form1(Services& services, Navigator& navigator);

  // Shows the menu, then closes this window.
  void UNLOAD1();

 protected:
  void Form_Load() override;
  void Form_QueryUnload(std::int16_t& cancel, std::int16_t reason) override;

 private:
  void S_Click(std::int16_t index);
  void Timer2_Timer();
  void Command1_Click();
  void Command2_Click();
  void NEWGAME();

  void announceWinner(std::string_view nameLabel);
  // Stops both timers, so that the outcome is announced once, then shows the result box.
  void announce(const std::string& prompt, const std::string& title);
  // Places the mark of the side to move when it is `mark`'s turn and the cell is free.
  void placeIfTurn(Control& clicked, std::string_view mark, std::string_view nextSide);
  Control& sideToMove() { return control("summa"); }
};

}  // namespace ttt
