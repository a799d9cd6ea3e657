// The Win32 backend on real windows, under Wine on a private X server: borders, owners, focus,
// fonts, keys, clicks and drawing, and the tick timer.
#include "GameWindowsFixture.h"

#include <string>
#include <vector>


namespace ttt::test {
namespace {

COLORREF pixelAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

using Win32WindowsTest = GameWindowsTest;

TEST_F(Win32WindowsTest, WindowsHaveFixedBordersTheirOwnersFocusAndFont) {
  app.start();
  ASSERT_TRUE(pumpUntil([this] { return window(kMenuTitle) != nullptr; }));
  const HWND menu = window(kMenuTitle);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(menu, GWL_STYLE));
  EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), DWORD{WS_SYSMENU});
  EXPECT_NE(GetWindow(menu, GW_OWNER), nullptr) << "the menu has a taskbar button";
  EXPECT_EQ(textOf(GetFocus()), L"&ONE PLAYER");
  post(WM_SYSCHAR, 'o', 0x20000000);  // Alt+O
  ASSERT_TRUE(pumpUntil([this] { return window(L"SINGLE PLAYER !") != nullptr; }));
  EXPECT_EQ(GetWindow(window(L"SINGLE PLAYER !"), GW_OWNER), nullptr);
  EXPECT_EQ(window(kMenuTitle), nullptr);
  EXPECT_EQ(textOf(GetFocus()), L"&EXIT");  // the lowest tab index

  app.singlePlayer().control("Command2").click();
  openTwoPlayer();
  EXPECT_EQ(textOf(GetFocus()), L"&NEW GAME");
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(GetFocus(), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(font.lfHeight, -13);  // 9.75 points at 96 DPI
  EXPECT_STREQ(font.lfFaceName, L"Microsoft Sans Serif");
}

TEST_F(Win32WindowsTest, KeysPressButtonsOnlyAsTheDialogNavigationDoes) {
  openTwoPlayer();
  post(WM_KEYDOWN, VK_RETURN);  // presses the focused NEW GAME: O moves first
  EXPECT_EQ(app.twoPlayer().control("summa").caption(), "O");
  post(WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(textOf(GetFocus()), L"&EXIT");
  post(WM_CHAR, 'e');  // the bare letter is not Alt+E
  EXPECT_NE(window(L"TWO PLAYER !"), nullptr);
  post(WM_SYSCHAR, 'e', 0x20000000);
  EXPECT_TRUE(pumpUntil([this] { return !window(L"TWO PLAYER !") && window(kMenuTitle); }));
}

TEST_F(Win32WindowsTest, CellsTakeClicksOnTheirLabelsUntilTheLockedFrameBlocksThemUngreyed) {
  const HWND frame = frameOf(openTwoPlayer());
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(pumpUntil([this] { return windows.sleeping(); })) << "the idle window keeps ticking";
  // S(0) has the inactive border's colour, S(1) the window's button face.
  EXPECT_EQ(pixelAt(frame, 48 + 30, 32 + 30), GetSysColor(COLOR_INACTIVEBORDER));
  EXPECT_EQ(pixelAt(frame, 104 + 30, 32 + 30), GetSysColor(COLOR_BTNFACE));
  const COLORREF border = pixelAt(frame, 0, 0);

  // Real mouse input, through the platform's hit testing: the disabled frame takes none, and
  // is drawn the same.
  Form& form = app.twoPlayer();
  const auto mouseClick = [&] {
    POINT point{120, 96};
    ClientToScreen(frame, &point);
    SetCursorPos(point.x, point.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    pumpUntil([] { return false; }, 0.3);
  };
  form.control("Frame2").setEnabled(false);
  mouseClick();
  EXPECT_EQ(form.control("S(4)").caption(), "");
  EXPECT_EQ(pixelAt(frame, 0, 0), border);
  form.control("Frame2").setEnabled(true);
  mouseClick();
  EXPECT_EQ(form.control("S(4)").caption(), "X");
  form.control("Command1").click();  // a new game, O to move

  click(frame, 36, 48);  // inside the top left square, outside its label
  for (int cell = 0; cell < 9; ++cell) EXPECT_EQ(form.controlArray("S", 9)[cell].caption(), "");
  // O on 3, 4 and 5 (the middle row), X on 0 and 1.
  for (const auto& [x, y] : {std::pair{64, 96}, {64, 48}, {120, 96}, {120, 48}, {184, 96}}) {
    click(frame, x, y);
  }
  ASSERT_TRUE(pumpUntil([&] { return form.control("Line10").visible() && !fakes.messageBox.shown.empty(); }));
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

TEST_F(Win32WindowsTest, LinksShowTheHandAndOpenOnClick) {
  const HWND two = openTwoPlayer();
  POINT link{116 + 4, 256 + 8};  // inside Label3, the web address
  ClientToScreen(two, &link);
  SetCursorPos(link.x, link.y);
  SendMessageW(two, WM_SETCURSOR, reinterpret_cast<WPARAM>(two), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_NE(GetCursor(), nullptr);
  click(two, 116 + 4, 256 + 8);
  click(two, 104 + 4, 280 + 8);  // Label5, the e-mail address
  EXPECT_EQ(fakes.launcher.opened,
            (std::vector<std::string>{"http://www.orvane.example/games/", "mailto:orvane@orvane.example"}));
}

}  // namespace
}  // namespace ttt::test
