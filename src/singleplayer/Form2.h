#pragma once

#include <cstdint>
#include <string_view>

#include "game/GameForm.h"

namespace ttt {

// The single-player window: the user plays "X" against the computer's "O" and keeps a score.
class Form2 : public GameForm {
 public:
  Form2(Services& services, Navigator& navigator);

 protected:
  void Form_Load() override;
  void Form_QueryUnload(std::int16_t& cancel, std::int16_t reason) override;

 private:
  void S_Click(std::int16_t index);
  void CALLCOMP();
  void NEWGAME();
  void Timer2_Timer();
  void Timer3_Timer();
  void Timer4_Timer();
  void Command1_Click();
  void Command2_Click();

  // Stops the four timers, shows the result and, once the box is closed, counts it in the
  // named score label (none for a tie) and ends the game.
  void announce(std::string_view message, std::string_view counterName);
  void playO(int index);
  Control& turn() { return control("turn"); }
};

}  // namespace ttt
