#include "support/Fakes.h"

namespace ttt::test {

std::string FakeInputBox::ask(const std::string& prompt) {
  prompts.push_back(prompt);
  if (answers_.empty()) return "";
  std::optional<std::string> answer = std::move(answers_.front());
  answers_.pop_front();
  return answer.value_or("");
}

void FakeMessageBox::show(const std::string& prompt, int style, const std::string& title) {
  shown.push_back({prompt, style, title});
  if (whileOpen) whileOpen(shown.back());
}

float ScriptedRandom::next() {
  ++draws;
  if (!values_.empty()) {
    const float value = values_.front();
    values_.pop_front();
    return value;
  }
  // A 64-bit linear congruential step; the top 24 bits give a float in [0, 1).
  state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
  return static_cast<float>(state_ >> 40) / 16777216.0f;
}

}  // namespace ttt::test
