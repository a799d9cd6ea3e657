// The link labels' tooltips on real windows under Wine, shown by the pointer resting on a link:
// each shows its whole address in a font of the window's DPI. Run at 96 dpi, and the first test
// again at 192.
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

BOOL CALLBACK collectTooltip(HWND window, LPARAM found) {
  auto& [owner, tooltips] = *reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(found);
  wchar_t name[64]{};
  GetClassNameW(window, name, 64);
  if (GetWindow(window, GW_OWNER) == owner && lstrcmpiW(name, TOOLTIPS_CLASSW) == 0) tooltips.push_back(window);
  return TRUE;
}

// The first and last columns where a picture of `width` by `height` holds a pixel nearer
// `text` than `back` in the sum of the three channels.
std::pair<int, int> inkColumns(HDC dc, int width, int height, COLORREF text, COLORREF back) {
  const auto distance = [](COLORREF a, COLORREF b) {
    int sum = 0;
    for (int shift : {0, 8, 16}) sum += std::abs(int((a >> shift) & 0xff) - int((b >> shift) & 0xff));
    return sum;
  };
  std::pair<int, int> ink{-1, -1};
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height; ++y) {
      const COLORREF pixel = GetPixel(dc, x, y);
      if (distance(pixel, text) >= distance(pixel, back)) continue;
      if (ink.first < 0) ink.first = x;
      ink.second = x;
      break;
    }
  }
  return ink;
}

// What the tooltip paints (by WM_PRINTCLIENT), or with `text` the same text drawn in its
// font and colours with room to spare: the first and last columns of ink.
std::pair<int, int> tipInk(HWND tooltip, const wchar_t* text = nullptr) {
  RECT client{};
  GetClientRect(tooltip, &client);
  const auto colour = static_cast<COLORREF>(SendMessageW(tooltip, TTM_GETTIPTEXTCOLOR, 0, 0));
  const auto back = static_cast<COLORREF>(SendMessageW(tooltip, TTM_GETTIPBKCOLOR, 0, 0));
  RECT all{0, 0, client.right * 2, client.bottom};
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, all.right, all.bottom);
  HGDIOBJ old = SelectObject(dc, bitmap);
  if (text == nullptr) {
    SendMessageW(tooltip, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    all.right = client.right;
  } else {
    HBRUSH brush = CreateSolidBrush(back);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(tooltip, WM_GETFONT, 0, 0)));
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text, -1, &all, DT_NOPREFIX | DT_SINGLELINE);
  }
  const auto ink = inkColumns(dc, all.right, all.bottom, colour, back);
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
    std::pair<HWND, std::vector<HWND>> found{two, {}};
    EnumThreadWindows(GetCurrentThreadId(), collectTooltip, reinterpret_cast<LPARAM>(&found));
    ASSERT_EQ(found.second.size(), 1u) << "not one tooltip for the two-player window";
    const HWND tooltip = found.second.front();
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
      ASSERT_TRUE(pumpUntil([tooltip] { return IsWindowVisible(tooltip) != FALSE; })) << "no tip for tool " << tool;
      const std::wstring text = textOf(tooltip);
      shown.push_back(text);
      SCOPED_TRACE(testing::Message() << "tip " << tool << " at " << dpi << " dpi");
      LOGFONTW font{};
      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(tooltip, WM_GETFONT, 0, 0)), sizeof font, &font);
      EXPECT_EQ(std::abs(font.lfHeight), MulDiv(std::abs(metrics.lfStatusFont.lfHeight), int(dpi), int(systemDpi())));
      RECT area{}, margin{}, extent{};
      GetClientRect(tooltip, &area);
      SendMessageW(tooltip, TTM_GETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
      HDC dc = GetDC(tooltip);
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(tooltip, WM_GETFONT, 0, 0)));
      DrawTextW(dc, text.c_str(), -1, &extent, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
      ReleaseDC(tooltip, dc);
      EXPECT_GE(area.right, extent.right + margin.left + margin.right) << "no room for the margins";
      EXPECT_GE(area.bottom, extent.bottom + margin.top + margin.bottom) << "the text is cut off below";
      const auto [first, last] = tipInk(tooltip);
      const auto [wholeFirst, wholeLast] = tipInk(tooltip, text.c_str());
      ASSERT_GE(first, 0) << "nothing painted";
      EXPECT_EQ(last - first, wholeLast - wholeFirst) << "the text is cut short";
      EXPECT_GT(first, 1) << "no room on the left";
      EXPECT_LT(last, area.right - 2) << "no room on the right";
      SendMessageW(tooltip, TTM_POP, 0, 0);
      pumpUntil([tooltip] { return IsWindowVisible(tooltip) == FALSE; });
    }
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"orvane@orvane.example", L"www.orvane.example"}));
  }
};

TEST_F(LinkTooltipTest, EachLinkShowsItsWholeAddressInAFontOfTheWindowsDpi) { expectEachTipWhole(); }

// As when the window is moved to a screen of another DPI. Wine keeps drawing the frame at the
// system's DPI, so the new DPI is a higher one, at which the links stay inside the client area.
TEST_F(LinkTooltipTest, AtANewDpiTheTipsAreMadeAgainForIt) { expectEachTipWhole(systemDpi() * 3 / 2); }

}  // namespace
}  // namespace ttt::test
