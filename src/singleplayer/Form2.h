#pragma once

#include <cstdint>
#include <string>

#include "game/GameForm.h"

namespace ttt {

// The single-player window: the user plays "X" against the computer's "O" and keeps a score.
class Form2 : public GameForm {
 public:
  Form2(Services& services, Navigator& navigator);

 protected:
  void askNames() override;
  void Form_QueryUnload(std::int16_t& cancel, std::int16_t reason) override;
  void resetMoveCounter() override;
  void S_Click(std::int16_t index) override;

 private:
  void CALLCOMP();
  void Timer2_Timer();
  void Timer3_Timer();
  void Timer4_Timer();

  // Announces the result and, once the box is closed, counts it in the score label `counter`
  // (none for a tie) and ends the game.
  void announceResult(const std::string& message, Control* counter);
  void playO(int index);

  Control& Label6{control("Label6")};                // the user's name
  Control& LBLNUM{control("LBLNUM")};                // the move counter
  ControlArray Label10{controlArray("Label10", 2)};  // the score: wins, losses
  Timer& Timer2{timer("Timer2")};
  Timer& Timer3{timer("Timer3")};
  Timer& Timer4{timer("Timer4")};
};

}  // namespace ttt
