#pragma once

#include <cstdint>
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
  void askNames() override;
  void Form_QueryUnload(std::int16_t& cancel, std::int16_t reason) override;
  void S_Click(std::int16_t index) override;
  void Command2_Click() override { UNLOAD1(); }

 private:
  void Timer2_Timer();

  void announceWinner(const Control& nameLabel);
  // Places `mark` when it is that side's turn and the cell is free, then hands the move on.
  void placeIfTurn(Control& clicked, std::string_view mark, std::string_view nextSide);

  Control& Label2{control("Label2")};  // Player A's name
  Control& Label6{control("Label6")};  // Player B's name
  Timer& Timer2{timer("Timer2")};
};

}  // namespace ttt
