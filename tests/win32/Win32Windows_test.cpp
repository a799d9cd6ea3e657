// The Win32 backend on real windows, under Wine on a private X server: borders, owners, focus,
// fonts, keys, clicks and drawing, and the tick timer.
#include "GameWindowsFixture.h"

#include <utility>

namespace ttt::test {
namespace {

COLORREF pixelAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

using Win32WindowsTest = GameWindowsTest;

TEST_F(Win32WindowsTest, WindowsHaveFixedBordersOwnersFocusFontAndTheDialogKeys) {
  app.start();
  ASSERT_TRUE(pumpUntil([this] { return window(kMenuTitle) != nullptr; }));
  const HWND menu = window(kMenuTitle);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(menu, GWL_STYLE));
  EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
            DWORD{WS_SYSMENU});
  EXPECT_NE(GetWindow(menu, GW_OWNER), nullptr) << "the menu has a taskbar button";
  post(WM_SYSCHAR, 'o', 0x20000000);  // Alt+O
  ASSERT_TRUE(pumpUntil([this] { return window(L"SINGLE PLAYER !") != nullptr; }));
  EXPECT_EQ(GetWindow(window(L"SINGLE PLAYER !"), GW_OWNER), nullptr);
  EXPECT_EQ(textOf(GetFocus()), L"&EXIT");  // the lowest tab index

  app.singlePlayer().control("Command2").click();
  openTwoPlayer();
  EXPECT_EQ(textOf(GetFocus()), L"&NEW GAME");
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(GetFocus(), WM_GETFONT, 0, 0)), sizeof font,
             &font);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(font.lfHeight, -13);  // 9.75 points at 96 DPI
  EXPECT_STREQ(font.lfFaceName, L"Microsoft Sans Serif");
  post(WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(textOf(GetFocus()), L"&EXIT");
  post(WM_CHAR, 'e');  // the bare letter is not Alt+E
  EXPECT_NE(window(L"TWO PLAYER !"), nullptr);
  post(WM_SYSCHAR, 'e', 0x20000000);
  EXPECT_TRUE(pumpUntil([this] { return !window(L"TWO PLAYER !") && window(kMenuTitle); }));
}

TEST_F(Win32WindowsTest, CellsTakeClicksOnTheirLabelsAndTheStrikeIsDrawnOverTheUngreyedGrid) {
  const HWND frame = frameOf(openTwoPlayer());
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(pumpUntil([this] { return windows.sleeping(); })) << "the idle window keeps ticking";
  // S(0) has the inactive border's colour, S(1) the window's button face.
  EXPECT_EQ(pixelAt(frame, 48 + 30, 32 + 30), GetSysColor(COLOR_INACTIVEBORDER));
  EXPECT_EQ(pixelAt(frame, 104 + 30, 32 + 30), GetSysColor(COLOR_BTNFACE));
  const COLORREF border = pixelAt(frame, 0, 0);

  Form& form = app.twoPlayer();
  click(frame, 36, 48);  // inside the top left square, outside its label
  for (int cell = 0; cell < 9; ++cell) EXPECT_EQ(form.controlArray("S", 9)[cell].caption(), "");
  // X on 3, 4 and 5 (the middle row), O on 0 and 1.
  for (const auto& [x, y] : {std::pair{64, 96}, {64, 48}, {120, 96}, {120, 48}, {184, 96}}) {
    click(frame, x, y);
  }
  ASSERT_TRUE(pumpUntil(
      [&] { return form.control("Line10").visible() && !fakes.messageBox.shown.empty(); }));
  EXPECT_FALSE(IsWindowEnabled(frame));
  // The strike line is drawn over the grid line it crosses, and the locked frame is not greyed.
  EXPECT_TRUE(pumpUntil([&] { return pixelAt(frame, 88, 96) == RGB(255, 255, 0); }));
  EXPECT_EQ(pixelAt(frame, 60, 96), RGB(255, 255, 0));
  EXPECT_EQ(pixelAt(frame, 0, 0), border);
  EXPECT_TRUE(pumpUntil([this] { return windows.sleeping(); }));
}

}  // namespace
}  // namespace ttt::test
