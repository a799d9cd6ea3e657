// The link labels on real windows under Wine: the pointer resting on one shows the hand and a
// tooltip with its whole address in a font of the window's DPI, and a click opens the address.
// Run at 96 dpi, and the first test again at 192.
#include "GameWindowsFixture.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "win32/system/DpiFunctions.h"

namespace ttt::test {
namespace {

// The first and last columns of what the tooltip paints (by WM_PRINTCLIENT) other than its
// background: where its text begins and ends.
std::pair<int, int> inkColumns(HWND tooltip) {
  RECT area{};
  GetClientRect(tooltip, &area);
  const auto back = static_cast<COLORREF>(SendMessageW(tooltip, TTM_GETTIPBKCOLOR, 0, 0));
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(tooltip, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  std::pair<int, int> ink{-1, -1};
  for (int x = 0; x < area.right; ++x) {
    for (int y = 0; y < area.bottom; ++y) {
      if (GetPixel(dc, x, y) == back) continue;
      if (ink.first < 0) ink.first = x;
      ink.second = x;
      break;
    }
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return ink;
}

class LinkTooltipTest : public GameWindowsTest {
 protected:
  static void SetUpTestSuite() {
    SetProcessDPIAware();  // as the program's manifest makes it
    GameWindowsTest::SetUpTestSuite();
  }

  // Rests the pointer on each link of the two-player window in turn, as a user's mouse does,
  // at the window's DPI or at `dpi` given by a WM_DPICHANGED; checks that each tip is whole, in
  // the system's status font grown from the system's DPI to the window's.
  void expectEachTipWhole(UINT dpi = 0) {
    const HWND two = openTwoPlayer();
    std::vector<HWND> tooltips;
    for (HWND tip = nullptr; (tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr));) {
      if (GetWindow(tip, GW_OWNER) == two) tooltips.push_back(tip);
    }
    ASSERT_EQ(tooltips.size(), 1u) << "not one tooltip for the two-player window";
    const HWND tooltip = tooltips.front();
    if (dpi != 0) {
      RECT suggested{};
      GetWindowRect(two, &suggested);
      SendMessageW(two, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    } else {
      dpi = DpiFunctions::system().windowDpi(two);
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    std::vector<std::wstring> shown;
    const auto tools = static_cast<UINT>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    for (UINT tool = 0; tool < tools; ++tool) {
      TTTOOLINFOW info{};
      info.cbSize = sizeof info;
      ASSERT_TRUE(SendMessageW(tooltip, TTM_ENUMTOOLSW, tool, reinterpret_cast<LPARAM>(&info)));
      POINT point{(info.rect.left + info.rect.right) / 2, (info.rect.top + info.rect.bottom) / 2};
      const LPARAM client = MAKELPARAM(point.x, point.y);
      ClientToScreen(info.hwnd, &point);
      SetCursorPos(point.x, point.y);
      PostMessageW(info.hwnd, WM_MOUSEMOVE, 0, client);
      ASSERT_TRUE(pumpUntil([tooltip] { return IsWindowVisible(tooltip) != FALSE; }))
          << "no tip for tool " << tool;
      const std::wstring text = textOf(tooltip);
      shown.push_back(text);
      SCOPED_TRACE(testing::Message() << "tip " << tool << " at " << dpi << " dpi");
      const auto tipFont = reinterpret_cast<HFONT>(SendMessageW(tooltip, WM_GETFONT, 0, 0));
      LOGFONTW font{};
      GetObjectW(tipFont, sizeof font, &font);
      EXPECT_EQ(std::abs(font.lfHeight),
                MulDiv(std::abs(metrics.lfStatusFont.lfHeight), int(dpi), int(systemDpi())));
      RECT area{}, margin{}, extent{};
      GetClientRect(tooltip, &area);
      SendMessageW(tooltip, TTM_GETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
      HDC dc = GetDC(tooltip);
      SelectObject(dc, tipFont);
      DrawTextW(dc, text.c_str(), -1, &extent, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
      ReleaseDC(tooltip, dc);
      EXPECT_GE(area.right, extent.right + margin.left + margin.right) << "the text is cut short";
      EXPECT_GE(area.bottom, extent.bottom + margin.top + margin.bottom)
          << "the text is cut off below";
      const auto [first, last] = inkColumns(tooltip);
      EXPECT_GT(first, 1) << "no room on the left";
      EXPECT_LT(last, area.right - 2) << "no room on the right";
      SendMessageW(tooltip, TTM_POP, 0, 0);
      pumpUntil([tooltip] { return IsWindowVisible(tooltip) == FALSE; });
      // The link shows the hand, and a click opens its address.
      SendMessageW(info.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(info.hwnd),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
      EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
      EXPECT_NE(GetCursor(), nullptr);
      click(info.hwnd, LOWORD(client), HIWORD(client));
    }
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"orvane@orvane.example", L"www.orvane.example"}));
    std::sort(fakes.launcher.opened.begin(), fakes.launcher.opened.end());
    EXPECT_EQ(fakes.launcher.opened, (std::vector<std::string>{"http://www.orvane.example/games/",
                                                               "mailto:orvane@orvane.example"}));
  }
};

TEST_F(LinkTooltipTest, EachLinkShowsItsWholeAddressInAFontOfTheWindowsDpi) {
  expectEachTipWhole();
}

// As when the window is moved to a screen of another DPI. Wine keeps drawing the frame at the
// system's DPI, so the new DPI is a higher one, at which the links stay inside the client area.
TEST_F(LinkTooltipTest, AtANewDpiTheTipsAreMadeAgainForIt) {
  expectEachTipWhole(systemDpi() * 3 / 2);
}

}  // namespace
}  // namespace ttt::test
