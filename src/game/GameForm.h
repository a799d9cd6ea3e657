#pragma once

#include "core/BoardLines.h"
#include "core/OutcomeFlags.h"
#include "forms/Form.h"
#include "forms/Navigator.h"

namespace ttt {

// What the two game windows share: the board of nine cells S(0) to S(8) in the frame
// Frame2, the strike lines Line9 to Line16, the outcome flags, the line test run by Timer1
// and the two link labels.
class GameForm : public Form {
 public:
  // How the line test treats the board frame when it finds a tie.
  enum class TieLocksBoard { Yes, No };

  GameForm(const FormLayout& layout, Services& services, Navigator& navigator,
           TieLocksBoard tieLocksBoard);

  const OutcomeFlags& flags() const { return flags_; }
  Cells cells() const;

 protected:
  // The line test: sets the flags, shows the strike line of every completed line and locks
  // the board. It never hides a strike line, never unlocks the board and touches no timer.
  void Timer1_Timer();
  void Label3_Click();
  void Label5_Click();

  void setFlags(const OutcomeFlags& flags);
  bool noOutcome() const { return !flags_.anySet(); }
  Control& cell(int index) { return control("S", index); }
  Control& frame() { return control("Frame2"); }
  // Empties S(0) to S(8) in ascending order.
  void clearCells();
  // Hides Line9 to Line16 in ascending order.
  void hideStrikeLines();
  Navigator& navigator() { return navigator_; }

 private:
  Navigator& navigator_;
  TieLocksBoard tieLocksBoard_;
  OutcomeFlags flags_;
};

}  // namespace ttt
