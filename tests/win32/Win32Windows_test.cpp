// The Win32 backend on real windows, under Wine on a private X server: borders, owners, focus,
// fonts and the dialog keys.
#include "GameWindowsFixture.h"

namespace ttt::test {
namespace {

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

}  // namespace
}  // namespace ttt::test
