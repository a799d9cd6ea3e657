#pragma once

#include <string>

namespace ttt {

// Message box styles the program uses.
inline constexpr int kStyleExclamation = 48;  // exclamation icon, one OK button
inline constexpr int kStyleInformation = 64;  // information icon, one OK button

// A modal input box. Returns the text entered, or "" when the box is cancelled or closed.
class InputBox {
 public:
  virtual ~InputBox() = default;
  virtual std::string ask(const std::string& prompt) = 0;
};

// A modal message box with one OK button; returns once the user has closed it.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void show(const std::string& prompt, int style, const std::string& title) = 0;
};

// Opens a link's target (a web address or a "mailto:" address) with the desktop's handler,
// without blocking the caller; failures are not reported.
class Launcher {
 public:
  virtual ~Launcher() = default;
  virtual void open(const std::string& target) = 0;
};

// A pseudo-random generator of single-precision values uniform in [0, 1).
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void reseedFromClock() = 0;
  virtual float next() = 0;
};

// The platform services that the windows' handlers call.
struct Services {
  InputBox& inputBox;
  MessageBox& messageBox;
  Launcher& launcher;
  RandomSource& random;
};

}  // namespace ttt
