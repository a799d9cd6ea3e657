#include "singleplayer/Form2.h"

#include <optional>
#include <string>

#include "core/Marks.h"
#include "core/NumericCaption.h"
#include "screens/layouts/Layouts.h"
#include "singleplayer/RandomReply.h"
#include "singleplayer/ReplyRules.h"

namespace ttt {
namespace {

constexpr const char* kNamePrompt = "ENTER YOUR NAME ";
constexpr const char* kDefaultName = "PLAYER A";
constexpr const char* kResultTitle = "Tic Tac Toe !";
constexpr const char* kComputerWon = "The computer beat you!";
constexpr const char* kUserWon = "You Beat the computer!";
constexpr const char* kTie = "There is no winner.  The game is tie!";
constexpr int kWins = 0;
constexpr int kLosses = 1;

// The move counter before the user's first two moves reads 1 and 3: those moves are answered
// at random, later ones (5, 7, 9) by the reply rules.
constexpr double kRandomReplyBelow = 4;
constexpr double kRuleReplyFrom = 5;

}  // namespace

Form2::Form2(Services& services, Navigator& navigator)
    : GameForm(singlePlayerLayout(), services, navigator, {"turn", kMarkX, TieLocksBoard::No}) {
  Timer2.onTick([this] { Timer2_Timer(); });
  Timer3.onTick([this] { Timer3_Timer(); });
  Timer4.onTick([this] { Timer4_Timer(); });
}

void Form2::askNames() {
  if (askName(kNamePrompt, Label6).empty()) Label6.setCaption(kDefaultName);
}

void Form2::Form_QueryUnload(std::int16_t& /*cancel*/, std::int16_t /*reason*/) {
  // Every way out of this window leads back to the menu; the close always goes ahead.
  navigator().showMenu();
}

void Form2::S_Click(std::int16_t index) {
  Control& clicked = S[index];
  if (!mayPlace(clicked, kMarkX)) return;
  place(clicked, kMarkX, kMarkO);
  CALLCOMP();
  LBLNUM.setCaption(addToCounter(LBLNUM.caption(), 2));
}

void Form2::CALLCOMP() {
  if (readLeadingNumber(LBLNUM.caption()) < kRandomReplyBelow) Timer3.setInterval(kEveryTick);
  if (readLeadingNumber(LBLNUM.caption()) >= kRuleReplyFrom) Timer2.setInterval(kEveryTick);
}

void Form2::resetMoveCounter() { LBLNUM.setCaption("1"); }

void Form2::Timer2_Timer() {
  if (!noOutcome()) return;
  const std::optional<int> target = findReplyTarget(cells());
  if (target) {
    playO(*target);
    Timer2.setInterval(kStopped);
    return;
  }
  // No rule applies: the random reply moves on the next tick.
  Timer2.setInterval(kStopped);
  Timer3.setInterval(kEveryTick);
}

void Form2::Timer3_Timer() {
  // A full board gets no mark; the timer stops either way, so the tick cannot repeat.
  const std::optional<int> target = drawEmptyCell(cells(), services().random);
  if (target) playO(*target);
  Timer3.setInterval(kStopped);
}

void Form2::Timer4_Timer() {
  if (flags().OWIN == kTrue) announceResult(kComputerWon, &Label10[kLosses]);
  if (flags().XWIN == kTrue) announceResult(kUserWon, &Label10[kWins]);
  if (flags().TIE == kTrue) announceResult(kTie, nullptr);
}

void Form2::announceResult(const std::string& message, Control* counter) {
  announce(message, kResultTitle);
  if (counter != nullptr) counter->setCaption(addToCounter(counter->caption(), 1));
  sideToMove.setCaption("");
}

void Form2::playO(int index) { place(S[index], kMarkO, kMarkX); }

}  // namespace ttt
