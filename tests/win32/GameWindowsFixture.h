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

inline constexpr const wchar_t* kMenuTitle = L"ORVANE'S TIC TAC TOE !";

inline std::wstring textOf(HWND window, int longest = 1000) {
  std::wstring text(static_cast<std::size_t>(longest) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), longest + 1)));
  return text;
}

// Runs `act` on the next system dialog that shows, from inside its modal loop, until it
// answers true; then presses its OK. (A timer procedure, which on 32-bit Windows must keep
// the platform's calling convention.)
inline std::function<bool(HWND)> dialogAction;
inline void CALLBACK visitDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND dialog = GetForegroundWindow();
  wchar_t name[8] = {};
  GetClassNameW(dialog, name, 8);
  if (std::wstring(name) != L"#32770" || !dialogAction(dialog)) return;
  KillTimer(nullptr, timer);
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}
inline void whenDialogOpens(std::function<bool(HWND)> act) {
  dialogAction = std::move(act);
  SetTimer(nullptr, 0, 20, &visitDialog);
}

class GameWindowsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { WindowView::registerClasses(GetModuleHandleW(nullptr)); }

  // Delivers what is queued, as the program's loop does, until `done` holds or time is up.
  bool pumpUntil(const std::function<bool()>& done, double seconds = 5) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    MSG message;
    for (;;) {
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) windows.dispatch(message);
      if (done() || std::chrono::steady_clock::now() >= deadline) return done();
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
  // Delivers what is queued, and what that leads to, until the windows sleep.
  void settle() {
    pumpUntil([this] { return windows.sleeping(); });
  }
  // A message to the focused window (a key as the keyboard sends it), then what follows.
  void post(UINT message, WPARAM code, LPARAM flags = 1) {
    PostMessageW(GetFocus(), message, code, flags);
    settle();
  }
  void pressKey(WPARAM key) {
    post(WM_KEYDOWN, key);
    post(WM_KEYUP, key, 1 | (LPARAM{3} << 30));
  }
  // A press and a release at a point of a window, in pixels at 96 DPI.
  void click(HWND window, int x, int y) {
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    settle();
  }
  HWND window(const wchar_t* title) { return FindWindowW(nullptr, title); }
  // The board's frame: the child window under the two-player window's top left cell.
  static HWND frameOf(HWND two) { return ChildWindowFromPointEx(two, {80, 70}, CWP_SKIPINVISIBLE); }
  HWND openGame(const char* button, const wchar_t* title) {
    app.start();
    pumpUntil([this] { return window(kMenuTitle) != nullptr; });
    app.menu().control(button).click();
    pumpUntil([this, title] { return window(title) != nullptr; });
    return window(title);
  }
  HWND openTwoPlayer() { return openGame("Command2", L"TWO PLAYER !"); }

  FakeServices fakes;
  Win32Windows windows;
  Application app{fakes.services, windows};
};

}  // namespace ttt::test
