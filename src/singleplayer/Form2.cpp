#include "singleplayer/Form2.h"

#include <optional>
#include <string>

#include "core/Marks.h"
#include "core/NumericCaption.h"
#include "screens/Layouts.h"
#include "singleplayer/RandomReply.h"
#include "singleplayer/ReplyRules.h"

namespace ttt {
namespace {

constexpr const char* kNamePrompt = "ENTER YOUR NAME ";
constexpr const char* kDefaultName = "PLAYER A";
constexpr const char* kResultTitle = "Tic Tac Toe !";
constexpr std::string_view kComputerWon = "The computer beat you!";
constexpr std::string_view kUserWon = "You Beat the computer!";
constexpr std::string_view kTie = "There is no winner.  The game is tie!";
constexpr std::string_view kWinsLabel = "Label10(0)";
constexpr std::string_view kLossesLabel = "Label10(1)";
constexpr std::string_view kNoCounter = "";

// The move counter before the user's first two moves reads 1 and 3: those moves are answered
// at random, later ones (5, 7, 9) by the reply rules.
constexpr double kRandomReplyBelow = 4;
constexpr double kRuleReplyFrom = 5;

}  // namespace

Form2::Form2(Services& services, Navigator& navigator)
    : GameForm(singlePlayerLayout(), services, navigator, TieLocksBoard::No) {
  onArrayClick("S", [this](std::int16_t index) { S_Click(index); });
  onTimer("Timer2", [this] { Timer2_Timer(); });
  onTimer("Timer3", [this] { Timer3_Timer(); });
  onTimer("Timer4", [this] { Timer4_Timer(); });
  onClick("Command1", [this] { Command1_Click(); });
  onClick("Command2", [this] { Command2_Click(); });
}

void Form2::Form_Load() {
  // The flags outlive the window's controls. A result left over from the last opening would
  // otherwise be announced again at once and counted in the fresh score.
  setFlags(OutcomeFlags{});
  const std::string name = services().inputBox.ask(kNamePrompt);
  Control& nameLabel = control("Label6");
  nameLabel.setCaption(name);
  if (name.empty()) nameLabel.setCaption(kDefaultName);
  turn().setCaption(std::string(kMarkX));
}

void Form2::Form_QueryUnload(std::int16_t& /*cancel*/, std::int16_t /*reason*/) {
  // Every way out of this window leads back to the menu; the close always goes ahead.
  navigator().showMenu();
}

void Form2::S_Click(std::int16_t index) {
  if (index < 0 || index >= kCellCount) return;
  Control& clicked = cell(index);
  if (!clicked.caption().empty() || turn().caption() != kMarkX || !noOutcome()) return;
  clicked.setCaption(std::string(kMarkX));
  turn().setCaption(std::string(kMarkO));
  CALLCOMP();
  Control& moveCounter = control("LBLNUM");
  moveCounter.setCaption(addToCounter(moveCounter.caption(), 2));
}

void Form2::CALLCOMP() {
  const Control& moveCounter = control("LBLNUM");
  if (readLeadingNumber(moveCounter.caption()) < kRandomReplyBelow) {
    timer("Timer3").setInterval(kEveryTick);
  }
  if (readLeadingNumber(moveCounter.caption()) >= kRuleReplyFrom) {
    timer("Timer2").setInterval(kEveryTick);
  }
}

void Form2::NEWGAME() {
  frame().setEnabled(true);
  turn().setCaption(std::string(kMarkX));
  clearCells();
  control("LBLNUM").setCaption("1");
  timer("Timer1").setInterval(kEveryTick);
  timer("Timer2").setInterval(kStopped);
  timer("Timer3").setInterval(kStopped);
  timer("Timer4").setInterval(kEveryTick);
  setFlags(OutcomeFlags{});
  hideStrikeLines();
}

void Form2::Timer2_Timer() {
  if (!noOutcome()) return;
  const std::optional<int> target = findReplyTarget(cells());
  if (target) {
    playO(*target);
    timer("Timer2").setInterval(kStopped);
    return;
  }
  // No rule applies: the random reply moves on the next tick.
  timer("Timer2").setInterval(kStopped);
  timer("Timer3").setInterval(kEveryTick);
}

void Form2::Timer3_Timer() {
  // A full board gets no mark; the timer stops either way, so the tick cannot repeat.
  const std::optional<int> target = drawEmptyCell(cells(), services().random);
  if (target) playO(*target);
  timer("Timer3").setInterval(kStopped);
}

void Form2::Timer4_Timer() {
  if (flags().OWIN == kTrue) announce(kComputerWon, kLossesLabel);
  if (flags().XWIN == kTrue) announce(kUserWon, kWinsLabel);
  if (flags().TIE == kTrue) announce(kTie, kNoCounter);
}

void Form2::announce(std::string_view message, std::string_view counterName) {
  // Stopped before the box opens, so no tick runs while it is open and a result is
  // announced once.
  timer("Timer1").setInterval(kStopped);
  timer("Timer2").setInterval(kStopped);
  timer("Timer3").setInterval(kStopped);
  timer("Timer4").setInterval(kStopped);
  services().messageBox.show(std::string(message), kStyleExclamation, kResultTitle);
  if (!counterName.empty()) {
    Control& counter = control(counterName);
    counter.setCaption(addToCounter(counter.caption(), 1));
  }
  turn().setCaption("");
}

void Form2::playO(int index) {
  cell(index).setCaption(std::string(kMarkO));
  turn().setCaption(std::string(kMarkX));
}

void Form2::Command1_Click() { NEWGAME(); }

void Form2::Command2_Click() {
  navigator().showMenu();
  unload();
}

}  // namespace ttt
