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

  void announceWinner(const BoundControl& nameLabel);
  // Places `mark` when it is that side's turn and the cell is free, then hands the move on.
  void placeIfTurn(Control& clicked, std::string_view mark, std::string_view nextSide);

  BoundControl Label2{*this, "Label2"};  // Player A's name
  BoundControl Label6{*this, "Label6"};  // Player B's name
  BoundTimer Timer2{*this, "Timer2"};
};

}  // namespace ttt
