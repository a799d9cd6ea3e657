#pragma once

// The program's windows in-process under Wine on a private X server, with fake dialogs and
// a scripted random source, driven as the program's message loop drives them.
#include <gtest/gtest.h>

#include "win32/system/WinApi.h"

#include <chrono>
#include <functional>
#include <string>

#include "forms/Form.h"
#include "shell/Application.h"
#include "shell/Form3.h"
#include "singleplayer/Form2.h"
#include "support/Fakes.h"
#include "twoplayer/Form1.h"
#include "win32/windows/Win32Windows.h"
#include "win32/windows/WindowView.h"

namespace ttt::test {

inline constexpr const wchar_t* kWindowClass = L"OrvaneTicTacToeWindow";
inline constexpr const wchar_t* kFrameClass = L"OrvaneTicTacToeFrame";

class GameWindowsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { WindowView::registerClasses(GetModuleHandleW(nullptr)); }

  // Delivers messages as the program's loop does until `done` holds or time is up.
  bool pumpUntil(const std::function<bool()>& done, double seconds = 5) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) windows.dispatch(message);
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return done();
  }
  // Delivers what is queued now, and what that leads to, until the windows sleep.
  void settle() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) windows.dispatch(message);
    pumpUntil([this] { return windows.sleeping(); });
  }
  // A key pressed and released on the focused window, as the keyboard sends it; `flags`
  // adds to the key-down's lParam (the extended-key bit, the repeat bit).
  void pressKey(WPARAM key, LPARAM flags = 0) {
    const HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 1 | flags);
    PostMessageW(focus, WM_KEYUP, key, 1 | (LPARAM{3} << 30) | flags);
    settle();
  }
  HWND window(const wchar_t* title) { return FindWindowW(kWindowClass, title); }
  bool shown(const wchar_t* title) { return window(title) != nullptr; }
  HWND openGame(const char* button, const wchar_t* title) {
    app.start();
    pumpUntil([this] { return shown(L"ORVANE'S TIC TAC TOE !"); });
    app.menu().control(button).click();
    pumpUntil([this, title] { return shown(title); });
    return window(title);
  }
  HWND openTwoPlayer() { return openGame("Command2", L"TWO PLAYER !"); }
  HWND openSinglePlayer() { return openGame("Command1", L"SINGLE PLAYER !"); }

  // The board row by row: X, O or '.' for an empty cell.
  static std::string board(Form& form) {
    std::string cells;
    for (int cell = 0; cell < 9; ++cell) {
      const std::string& mark = form.control("S(" + std::to_string(cell) + ")").caption();
      cells += mark.empty() ? "." : mark;
    }
    return cells;
  }
  // Plays the single-player game on by the digit row alone, the first empty cell in reading
  // order each time, until its result is out.
  void playSinglePlayerToTheResult() {
    Form& form = app.singlePlayer();
    for (int move = 0; move < 5 && fakes.messageBox.shown.empty(); ++move) {
      const auto empty = board(form).find('.');
      ASSERT_NE(empty, std::string::npos);
      pressKey(static_cast<WPARAM>('1' + empty));
      EXPECT_EQ(board(form)[empty], 'X');
      pumpUntil(
          [&] { return form.control("turn").caption() != "O" || !fakes.messageBox.shown.empty(); });
    }
    ASSERT_TRUE(pumpUntil([&] { return !fakes.messageBox.shown.empty(); }));
  }

  FakeServices fakes;
  Win32Windows windows;
  Application app{fakes.services, windows};
};

}  // namespace ttt::test
