#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/BoardLines.h"
#include "core/OutcomeFlags.h"
#include "forms/Form.h"
#include "forms/Navigator.h"

namespace ttt {

// What the two game windows share: the board of nine cells S(0) to S(8) in the frame
// Frame2, the strike lines Line9 to Line16, the outcome flags, the line test run by Timer1,
// the two link labels, and the steps of a game that both windows take alike: the load, a
// move, the announcement, the new game and the way back to the menu.
class GameForm : public Form {
 public:
  // How the line test treats the board frame when it finds a tie.
  enum class TieLocksBoard { Yes, No };

  // Where the two windows differ in the steps they share.
  struct Options {
    std::string sideToMoveLabel;    // the hidden label that names the side to move
    std::string_view newGameOpens;  // the side to move once "&NEW GAME" has run
    TieLocksBoard tieLocksBoard;
  };

  GameForm(const FormLayout& layout, Services& services, Navigator& navigator,
           const Options& options);

  const OutcomeFlags& flags() const { return flags_; }
  Cells cells() const;

 protected:
  // The flags left from the window's last showing are cleared, the names asked, and "X"
  // moves first.
  void Form_Load() final;
  virtual void askNames() = 0;
  // Asks in an input box and shows the answer, as it is, in the label; returns the answer.
  std::string askName(const std::string& prompt, Control& label);

  // The line test: sets the flags, shows the strike line of every completed line and locks
  // the board. It never hides a strike line, never unlocks the board and touches no timer.
  void Timer1_Timer();
  // A click on a cell.
  virtual void S_Click(std::int16_t index) = 0;
  // "&NEW GAME".
  void Command1_Click() { NEWGAME(); }
  // "&EXIT".
  virtual void Command2_Click() { returnToMenu(); }
  void Label3_Click();
  void Label5_Click();

  // Whether `mark` may go on the cell: it is empty, it is that side's turn and no outcome
  // is set.
  bool mayPlace(const Control& cell, std::string_view mark) const;
  // Writes the mark into the cell, then hands the move to `nextSide`.
  void place(Control& cell, std::string_view mark, std::string_view nextSide);
  // Stops every timer of the window, so that the result is announced once and nothing runs
  // while the box is open, then shows the result box.
  void announce(const std::string& prompt, const std::string& title);
  // Unlocks and clears the board, restarts the timers as they are at load, clears the flags
  // and hides the strike lines, in that order.
  void NEWGAME();
  // The window's own counters of the game, reset between the cells and the timers.
  virtual void resetMoveCounter() {}
  // Shows the menu, then closes this window.
  void returnToMenu();

  void setFlags(const OutcomeFlags& flags);
  bool noOutcome() const { return !flags_.anySet(); }
  Navigator& navigator() { return navigator_; }

  ControlArray S{controlArray("S", kCellCount)};
  Control& sideToMove;

 private:
  // Line9 to Line16, by number.
  Control& strikeLine(int number) const;

  Control& Frame2{control("Frame2")};
  ControlArray strikeLines_;  // Line9 to Line16
  Control& Command1{control("Command1")};
  Control& Command2{control("Command2")};
  Control& Label3{control("Label3")};
  Control& Label5{control("Label5")};
  Timer& Timer1{timer("Timer1")};
  Navigator& navigator_;
  std::string newGameOpens_;
  TieLocksBoard tieLocksBoard_;
  OutcomeFlags flags_;
};

}  // namespace ttt
