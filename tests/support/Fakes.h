#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "forms/Services.h"

namespace ttt::test {

// Answers input boxes from a script; an exhausted script cancels the box, which answers "".
class FakeInputBox : public InputBox {
 public:
  void answer(std::string text) { answers_.push_back(std::move(text)); }
  std::string ask(const std::string& prompt) override {
    prompts.push_back(prompt);
    if (answers_.empty()) return "";
    const std::string answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
  }
  std::vector<std::string> prompts;

 private:
  std::deque<std::string> answers_;
};

struct ShownMessage {
  std::string prompt;
  int style = 0;
  std::string title;
  friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

// Records every message box. A test may act while the box is "open" through whileOpen.
class FakeMessageBox : public MessageBox {
 public:
  void show(const std::string& prompt, int style, const std::string& title) override {
    shown.push_back({prompt, style, title});
    if (whileOpen) whileOpen(shown.back());
  }
  std::vector<ShownMessage> shown;
  std::function<void(const ShownMessage&)> whileOpen;
};

class FakeLauncher : public Launcher {
 public:
  void open(const std::string& target) override { opened.push_back(target); }
  std::vector<std::string> opened;
};

// Returns scripted values, then falls back to a seeded generator; counts re-seeds and draws.
class ScriptedRandom : public RandomSource {
 public:
  void script(std::vector<float> values) {
    values_.insert(values_.end(), values.begin(), values.end());
  }
  void reseedFromClock() override { ++reseeds; }
  float next() override {
    ++draws;
    if (values_.empty()) {
      // A 64-bit linear congruential step; the top 24 bits give a float in [0, 1).
      state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
      return static_cast<float>(state_ >> 40) / 16777216.0f;
    }
    const float value = values_.front();
    values_.pop_front();
    return value;
  }
  int reseeds = 0;
  int draws = 0;

 private:
  std::deque<float> values_;
  unsigned long long state_ = 1;
};

struct FakeServices {
  FakeInputBox inputBox;
  FakeMessageBox messageBox;
  FakeLauncher launcher;
  ScriptedRandom random;
  Services services{inputBox, messageBox, launcher, random};
};

}  // namespace ttt::test
