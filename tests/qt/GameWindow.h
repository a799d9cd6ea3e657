#pragma once

#include <QApplication>
#include <QElapsedTimer>

#include "qt/app/QtWindows.h"
#include "qt/windows/FormWidget.h"
#include "shell/Application.h"
#include "support/Fakes.h"
#include "twoplayer/Form1.h"

namespace ttt::test {

// The two-player window shown by the real backend, with the names answered by a fake box.
struct GameWindow {
  // Result boxes go to `box`; the fake one records them.
  explicit GameWindow(MessageBox* box = nullptr)
      : services{inputBox, box ? *box : messageBox, launcher, random} {
    inputBox.answer("Ann");
    inputBox.answer("Bob");
    app.showTwoPlayer();
  }
  ~GameWindow() {
    if (window() != nullptr) window()->close();
  }
  Control& cell(int index) { return app.twoPlayer().control("S(" + std::to_string(index) + ")"); }
  FormWidget* window() { return static_cast<FormWidget*>(windows.window(app.twoPlayer())); }
  // Runs Qt's loop until the condition holds, for at most five seconds.
  template <typename Condition>
  static bool waitFor(Condition condition) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 5000)
      QApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
  }

  FakeInputBox inputBox;
  FakeMessageBox messageBox;
  FakeLauncher launcher;
  ScriptedRandom random;
  Services services;
  QtWindows windows;
  Application app{services, windows};
};

}  // namespace ttt::test
