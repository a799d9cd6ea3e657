// The Win32 backend on real windows, under Wine on a private X server: sizes, borders, owners,
// keyboard, clicks, drawing, the tick timer and the dialogs.
#include "GameWindowsFixture.h"

#include "win32/system/WinApi.h"
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "forms/Form.h"
#include "shell/Application.h"
#include "shell/Form3.h"
#include "support/Fakes.h"
#include "twoplayer/Form1.h"
#include "win32/system/DpiFunctions.h"
#include "win32/system/WideText.h"
#include "win32/dialogs/Win32Dialogs.h"
#include "win32/windows/Win32Windows.h"
#include "win32/windows/WindowView.h"

namespace ttt::test {
namespace {

SIZE clientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

std::wstring textOf(HWND window, int longest = 255) {
  std::wstring text(static_cast<std::size_t>(longest) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), longest + 1)));
  return text;
}

// The colour of a pixel of a window's client area, as a COLORREF.
COLORREF pixelAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

// The dialog that whenDialogOpens waits for, and what it does with it.
std::wstring awaitedDialog;
std::function<void(HWND)> dialogAction;

// A timer procedure, which on 32-bit Windows must use the platform's calling convention.
void CALLBACK actOnAwaitedDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = FindWindowW(L"#32770", awaitedDialog.c_str());
  if (dialog == nullptr || !IsWindowVisible(dialog)) return;
  KillTimer(nullptr, timer);
  dialogAction(dialog);
}

// Runs `act` once the next dialog titled `title` is up, from inside its modal loop.
void whenDialogOpens(const std::wstring& title, std::function<void(HWND)> act) {
  awaitedDialog = title;
  dialogAction = std::move(act);
  SetTimer(nullptr, 0, 20, &actOnAwaitedDialog);
}

class Win32WindowsTest : public GameWindowsTest {
 protected:
  void key(UINT message, WPARAM code) {
    PostMessageW(GetFocus(), message, code, message == WM_SYSCHAR ? 0x20000000 : 0);
    pumpUntil([] { return false; }, 0.2);
  }
  // A press and a release at a point of a window or frame, in pixels at 96 DPI.
  void click(HWND container, int x, int y) {
    PostMessageW(container, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(container, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    pumpUntil([] { return false; }, 0.1);
  }
  // A click of the real mouse, through the platform's own hit testing.
  void mouseClick(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    pumpUntil([] { return false; }, 0.3);
  }
};

TEST_F(Win32WindowsTest, WindowsHaveTheLayoutsSizesFixedBordersAndTaskbarButtons) {
  app.start();
  ASSERT_TRUE(pumpUntil([this] { return shown(L"ORVANE'S TIC TAC TOE !"); }));
  const HWND menu = window(L"ORVANE'S TIC TAC TOE !");
  EXPECT_EQ(DpiFunctions::system().windowDpi(menu), 96u);
  EXPECT_EQ(clientSize(menu).cx, 410);
  EXPECT_EQ(clientSize(menu).cy, 164);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(menu, GWL_STYLE));
  EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
            DWORD{WS_SYSMENU});
  EXPECT_NE(GetWindow(menu, GW_OWNER), nullptr) << "the menu has no taskbar button";
  EXPECT_EQ(textOf(GetFocus()), L"&ONE PLAYER");

  key(WM_SYSCHAR, 'o');  // Alt+O
  ASSERT_TRUE(pumpUntil([this] { return shown(L"SINGLE PLAYER !"); }));
  const HWND single = window(L"SINGLE PLAYER !");
  EXPECT_EQ(clientSize(single).cx, 378);
  EXPECT_EQ(clientSize(single).cy, 272);
  EXPECT_EQ(GetWindow(single, GW_OWNER), nullptr);
  EXPECT_FALSE(shown(L"ORVANE'S TIC TAC TOE !"));
  EXPECT_EQ(textOf(GetFocus()), L"&EXIT");  // the lowest tab index
}

TEST_F(Win32WindowsTest, KeysPressButtonsOnlyAsTheDialogNavigationDoesAndEscapeClosesNothing) {
  const HWND two = openTwoPlayer();
  ASSERT_NE(two, nullptr);
  EXPECT_EQ(clientSize(two).cx, 290);
  EXPECT_EQ(clientSize(two).cy, 306);
  EXPECT_EQ(textOf(GetFocus()), L"&NEW GAME");
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(GetFocus(), WM_GETFONT, 0, 0)), sizeof font,
             &font);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(font.lfHeight, -13);  // 9.75 points at 96 DPI
  EXPECT_STREQ(font.lfFaceName, L"Microsoft Sans Serif");
  EXPECT_EQ(app.twoPlayer().control("summa").caption(), "X");
  key(WM_KEYDOWN, VK_RETURN);  // presses the focused NEW GAME: O moves first
  EXPECT_EQ(app.twoPlayer().control("summa").caption(), "O");
  key(WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(textOf(GetFocus()), L"&EXIT");
  key(WM_KEYDOWN, VK_ESCAPE);
  key(WM_CHAR, 'e');  // the bare letter is not Alt+E
  EXPECT_TRUE(shown(L"TWO PLAYER !"));
  key(WM_SYSCHAR, 'e');
  EXPECT_TRUE(
      pumpUntil([this] { return !shown(L"TWO PLAYER !") && shown(L"ORVANE'S TIC TAC TOE !"); }));
}

TEST_F(Win32WindowsTest, CellsTakeClicksOnTheirLabelsUntilTheLockedFrameBlocksThemUngreyed) {
  const HWND two = openTwoPlayer();
  const HWND frame = FindWindowExW(two, nullptr, kFrameClass, nullptr);
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(pumpUntil([this] { return windows.sleeping(); })) << "the idle window keeps ticking";
  // S(0) has the inactive border's colour, S(1) the window's button face.
  EXPECT_EQ(pixelAt(frame, 48 + 30, 32 + 30), GetSysColor(COLOR_INACTIVEBORDER));
  EXPECT_EQ(pixelAt(frame, 104 + 30, 32 + 30), GetSysColor(COLOR_BTNFACE));
  const COLORREF border = pixelAt(frame, 0, 0);

  Form& form = app.twoPlayer();
  // Real mouse input: the disabled frame takes none, and is drawn the same.
  form.control("Frame2").setEnabled(false);
  pumpUntil([] { return false; }, 0.1);
  mouseClick(frame, 120, 96);
  EXPECT_EQ(form.control("S(4)").caption(), "");
  EXPECT_EQ(pixelAt(frame, 0, 0), border);
  form.control("Frame2").setEnabled(true);
  mouseClick(frame, 120, 96);
  EXPECT_EQ(form.control("S(4)").caption(), "X");
  form.control("Command1").click();  // a new game, O to move

  click(frame, 36, 48);  // inside the top left square, outside its label
  for (int cell = 0; cell < 9; ++cell) EXPECT_EQ(form.controlArray("S", 9)[cell].caption(), "");
  // O on 3, 4 and 5 (the middle row), X on 0 and 1.
  for (const auto& [x, y] : {std::pair{64, 96}, {64, 48}, {120, 96}, {120, 48}, {184, 96}}) {
    click(frame, x, y);
  }
  ASSERT_TRUE(pumpUntil(
      [&] { return form.control("Line10").visible() && !fakes.messageBox.shown.empty(); }));
  EXPECT_EQ(fakes.messageBox.shown.at(0).title, "PLAYER B WON !");
  EXPECT_FALSE(IsWindowEnabled(frame));
  click(frame, 184, 144);
  EXPECT_EQ(form.control("S(8)").caption(), "");
  pumpUntil([] { return false; }, 0.2);
  // The strike line is drawn over the grid line it crosses, and the frame is not greyed.
  EXPECT_EQ(pixelAt(frame, 88, 96), RGB(255, 255, 0));
  EXPECT_EQ(pixelAt(frame, 60, 96), RGB(255, 255, 0));
  EXPECT_EQ(pixelAt(frame, 0, 0), border);
  EXPECT_TRUE(pumpUntil([this] { return windows.sleeping(); }));
}

TEST_F(Win32WindowsTest, LinksShowTheHandTheirTextAsTooltipAndOpenOnClick) {
  const HWND two = openTwoPlayer();
  POINT link{116 + 4, 256 + 8};  // inside Label3, the web address
  ClientToScreen(two, &link);
  SetCursorPos(link.x, link.y);
  SendMessageW(two, WM_SETCURSOR, reinterpret_cast<WPARAM>(two),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_NE(GetCursor(), nullptr);

  const HWND tooltip = FindWindowW(TOOLTIPS_CLASSW, nullptr);
  ASSERT_NE(tooltip, nullptr);
  std::vector<std::wstring> tips;
  for (int index = 0; index < SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0); ++index) {
    wchar_t text[128] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&tool));
    tips.push_back(text);
  }
  std::sort(tips.begin(), tips.end());
  EXPECT_EQ(tips, (std::vector<std::wstring>{L"orvane@orvane.example", L"www.orvane.example"}));

  click(two, 116 + 4, 256 + 8);
  click(two, 104 + 4, 280 + 8);  // Label5, the e-mail address
  EXPECT_EQ(fakes.launcher.opened, (std::vector<std::string>{"http://www.orvane.example/games/",
                                                             "mailto:orvane@orvane.example"}));
}

TEST_F(Win32WindowsTest, TheInputBoxAnswersTheTextOnOkAndNothingOnCancel) {
  const HWND owner = openTwoPlayer();
  Win32InputBox box("Orvane'S Tic Tac Toe !", [owner] { return owner; });
  std::wstring prompt;
  HWND ownedBy = nullptr;
  whenDialogOpens(L"Orvane'S Tic Tac Toe !", [&](HWND dialog) {
    prompt = textOf(GetDlgItem(dialog, 100));
    ownedBy = GetWindow(dialog, GW_OWNER);
    SetDlgItemTextW(dialog, 101, L"Zo\u00eb & 100% \u4e2d");
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(box.ask("ENTER ' PLAYER A ' NAME"), "Zo\xc3\xab & 100% \xe4\xb8\xad");
  EXPECT_EQ(prompt, L"ENTER ' PLAYER A ' NAME");
  EXPECT_EQ(ownedBy, owner);
  whenDialogOpens(L"Orvane'S Tic Tac Toe !", [](HWND dialog) {
    SetDlgItemTextW(dialog, 101, L"typed");
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_EQ(box.ask("ENTER YOUR NAME "), "");
}

TEST_F(Win32WindowsTest, MessageBoxesShowThePromptLiterallyUnderTheirOwner) {
  const HWND owner = openTwoPlayer();
  Win32MessageBox box([owner] { return owner; });
  std::wstring text;
  HWND ownedBy = nullptr;
  whenDialogOpens(L"A&B WON !", [&](HWND dialog) {
    text = textOf(GetDlgItem(dialog, 0xFFFF));
    ownedBy = GetWindow(dialog, GW_OWNER);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  });
  box.show("A&B Won The Game !", kStyleExclamation, "A&B WON !");
  EXPECT_EQ(text, L"A&B Won The Game !");
  EXPECT_EQ(ownedBy, owner);
}

TEST_F(Win32WindowsTest, AResultBoxForTheLongestUnbreakableNameFitsTheScreenWithItsButton) {
  const HWND owner = openTwoPlayer();
  Win32MessageBox box([owner] { return owner; });
  const std::string name(255, 'W');
  RECT dialog{};
  RECT button{};
  RECT screen{};
  std::wstring text;
  whenDialogOpens(toWide(name + " WON !"), [&](HWND shown) {
    GetWindowRect(shown, &dialog);
    GetWindowRect(GetDlgItem(shown, IDOK), &button);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(shown, MONITOR_DEFAULTTONEAREST), &monitor);
    screen = monitor.rcMonitor;
    text = textOf(GetDlgItem(shown, 0xFFFF), 1000);
    PostMessageW(shown, WM_COMMAND, IDOK, 0);
  });
  box.show(name + " Won The Game !", kStyleExclamation, name + " WON !");
  EXPECT_EQ(screen.right - screen.left, 1280);
  EXPECT_GE(dialog.left, screen.left);
  EXPECT_LE(dialog.right, screen.right);
  EXPECT_GE(dialog.top, screen.top);
  EXPECT_LE(dialog.bottom, screen.bottom);
  EXPECT_GT(button.right, button.left);
  EXPECT_GE(button.left, dialog.left);
  EXPECT_LE(button.right, dialog.right);
  EXPECT_LE(button.bottom, dialog.bottom);
  // Every letter of the name is shown, the run broken into lines.
  std::wstring letters = text;
  letters.erase(std::remove_if(letters.begin(), letters.end(),
                               [](wchar_t c) { return c == L'\r' || c == L'\n'; }),
                letters.end());
  EXPECT_EQ(letters, toWide(name + " Won The Game !"));
  EXPECT_NE(text.find(L"\r\n"), std::wstring::npos);
}

}  // namespace
}  // namespace ttt::test
