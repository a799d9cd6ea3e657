#include "game/GameForm.h"

#include <string>

#include "core/LineTest.h"
#include "screens/Author.h"

namespace ttt {

GameForm::GameForm(const FormLayout& layout, Services& services, Navigator& navigator,
                   TieLocksBoard tieLocksBoard)
    : Form(layout, services), navigator_(navigator), tieLocksBoard_(tieLocksBoard) {
  onTimer("Timer1", [this] { Timer1_Timer(); });
  onClick("Label3", [this] { Label3_Click(); });
  onClick("Label5", [this] { Label5_Click(); });
}

Cells GameForm::cells() const {
  Cells cells;
  for (int i = 0; i < kCellCount; ++i) {
    cells[static_cast<std::size_t>(i)] = control("S(" + std::to_string(i) + ")").caption();
  }
  return cells;
}

void GameForm::Timer1_Timer() {
  const LineTestResult result = runLineTest(cells(), flags_);
  setFlags(result.flags);
  for (int strikeLine : result.strikeLines) {
    control("Line" + std::to_string(strikeLine)).setVisible(true);
  }
  const bool lockForTie = result.tieFound && tieLocksBoard_ == TieLocksBoard::Yes;
  if (result.lineFound || lockForTie) frame().setEnabled(false);
}

void GameForm::Label3_Click() {
  services().launcher.open(std::string(kAuthorHomePage));
}

void GameForm::Label5_Click() {
  services().launcher.open("mailto:" + std::string(kAuthorEmail));
}

void GameForm::setFlags(const OutcomeFlags& flags) {
  if (flags == flags_) return;
  flags_ = flags;
  stateChanged();
}

void GameForm::clearCells() {
  for (int i = 0; i < kCellCount; ++i) cell(i).setCaption("");
}

void GameForm::hideStrikeLines() {
  for (int line = kFirstStrikeLine; line <= kLastStrikeLine; ++line) {
    control("Line" + std::to_string(line)).setVisible(false);
  }
}

}  // namespace ttt
