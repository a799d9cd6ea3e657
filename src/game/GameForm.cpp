#include "game/GameForm.h"

#include <string>
#include <utility>
#include <vector>

#include "core/LineTest.h"
#include "core/Marks.h"
#include "screens/layouts/Author.h"

namespace ttt {
namespace {

ControlArray strikeLinesInNumberOrder(const Form& form) {
  std::vector<Control*> lines;
  for (int number = kFirstStrikeLine; number <= kLastStrikeLine; ++number) {
    lines.push_back(&form.control("Line" + std::to_string(number)));
  }
  return ControlArray(std::move(lines));
}

}  // namespace

GameForm::GameForm(const FormLayout& layout, Services& services, Navigator& navigator,
                   const Options& options)
    : Form(layout, services),
      sideToMove(control(options.sideToMoveLabel)),
      strikeLines_(strikeLinesInNumberOrder(*this)),
      navigator_(navigator),
      newGameOpens_(options.newGameOpens),
      tieLocksBoard_(options.tieLocksBoard) {
  for (std::int16_t index = 0; index < kCellCount; ++index) {
    S[index].onClick([this, index] { S_Click(index); });
  }
  Timer1.onTick([this] { Timer1_Timer(); });
  Command1.onClick([this] { Command1_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  Label3.onClick([this] { Label3_Click(); });
  Label5.onClick([this] { Label5_Click(); });
}

Cells GameForm::cells() const {
  Cells cells;
  for (int i = 0; i < kCellCount; ++i) cells[static_cast<std::size_t>(i)] = S[i].caption();
  return cells;
}

void GameForm::Form_Load() {
  // The instance outlives its window: a result kept from the last showing would be
  // announced again over the fresh board, counted in a fresh score, and would lock it.
  setFlags(OutcomeFlags{});
  askNames();
  sideToMove.setCaption(std::string(kMarkX));
}

std::string GameForm::askName(const std::string& prompt, Control& label) {
  std::string answer = services().inputBox.ask(prompt);
  label.setCaption(answer);
  return answer;
}

void GameForm::Timer1_Timer() {
  const LineTestResult result = runLineTest(cells(), flags_);
  setFlags(result.flags);
  for (int number : result.strikeLines) strikeLine(number).setVisible(true);
  const bool lockForTie = result.tieFound && tieLocksBoard_ == TieLocksBoard::Yes;
  if (result.lineFound || lockForTie) Frame2.setEnabled(false);
}

void GameForm::Label3_Click() { services().launcher.open(std::string(kAuthorHomePage)); }

void GameForm::Label5_Click() { services().launcher.open("mailto:" + std::string(kAuthorEmail)); }

bool GameForm::mayPlace(const Control& cell, std::string_view mark) const {
  return cell.caption() == kEmptyCell && sideToMove.caption() == mark && noOutcome();
}

void GameForm::place(Control& cell, std::string_view mark, std::string_view nextSide) {
  cell.setCaption(std::string(mark));
  sideToMove.setCaption(std::string(nextSide));
}

void GameForm::announce(const std::string& prompt, const std::string& title) {
  for (const auto& timer : timers()) timer->setInterval(kStopped);
  services().messageBox.show(prompt, kStyleExclamation, title);
}

void GameForm::NEWGAME() {
  Frame2.setEnabled(true);
  sideToMove.setCaption(std::string(newGameOpens_));
  for (int i = 0; i < kCellCount; ++i) S[i].setCaption("");
  resetMoveCounter();
  // A new game runs the timers as a fresh load does: this stops a reply that was started
  // but has not ticked yet, and restarts the line test and the announcer.
  for (const auto& timer : timers()) timer->setInterval(timer->layout().interval);
  setFlags(OutcomeFlags{});
  for (int number = kFirstStrikeLine; number <= kLastStrikeLine; ++number) {
    strikeLine(number).setVisible(false);
  }
}

void GameForm::returnToMenu() {
  navigator_.showMenu();
  unload();
}

void GameForm::setFlags(const OutcomeFlags& flags) {
  if (flags == flags_) return;
  flags_ = flags;
  stateChanged();
}

Control& GameForm::strikeLine(int number) const { return strikeLines_[number - kFirstStrikeLine]; }

}  // namespace ttt
