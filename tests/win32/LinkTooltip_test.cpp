// The link labels' tooltips on real windows under Wine, shown by the pointer resting on a link:
// each shows its whole address in a font of the window's DPI. Run at 96 dpi, and the first test
// again at 120, 144 and 192 dpi.
#include "GameWindowsFixture.h"

#include "win32/system/WinApi.h"
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "win32/system/DpiFunctions.h"

namespace ttt::test {
namespace {

int widthOf(const RECT& rect) { return rect.right - rect.left; }
int heightOf(const RECT& rect) { return rect.bottom - rect.top; }

// The tooltip windows that belong to a window: a search through the thread's windows.
struct TooltipSearch {
  HWND owner;
  std::vector<HWND> found;
};
BOOL CALLBACK collectTooltip(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<TooltipSearch*>(lParam);
  wchar_t name[64]{};
  GetClassNameW(window, name, 64);
  if (GetWindow(window, GW_OWNER) == search.owner && lstrcmpiW(name, TOOLTIPS_CLASSW) == 0) {
    search.found.push_back(window);
  }
  return TRUE;
}
std::vector<HWND> tooltipsOf(HWND owner) {
  TooltipSearch search{owner, {}};
  EnumThreadWindows(GetCurrentThreadId(), collectTooltip, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring tipText(HWND tooltip) {
  wchar_t text[256]{};
  SendMessageW(tooltip, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}

// The text's extent in the tooltip's own font, on one line as the tooltip sets it.
SIZE textExtent(HWND tooltip, const std::wstring& text) {
  HDC dc = GetDC(tooltip);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(tooltip, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font);
  RECT rect{};
  DrawTextW(dc, text.c_str(), -1, &rect, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
  SelectObject(dc, old);
  ReleaseDC(tooltip, dc);
  return {widthOf(rect), heightOf(rect)};
}

// The first and last columns of a picture where its text leaves ink: pixels nearer the text
// colour than the background, in the sum of the three channels.
struct InkColumns {
  int first = -1;
  int last = -1;
  int span() const { return last - first + 1; }
};

// A picture drawn into a memory bitmap the size of the tooltip's client area, or wider.
class Picture {
 public:
  Picture(int width, int height)
      : screen_(GetDC(nullptr)),
        dc_(CreateCompatibleDC(screen_)),
        bitmap_(CreateCompatibleBitmap(screen_, width, height)),
        old_(SelectObject(dc_, bitmap_)),
        width_(width),
        height_(height) {}
  ~Picture() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    ReleaseDC(nullptr, screen_);
  }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  HDC dc() const { return dc_; }
  InkColumns ink(COLORREF text, COLORREF back) const {
    InkColumns ink;
    for (int x = 0; x < width_; ++x) {
      for (int y = 0; y < height_; ++y) {
        if (!nearer(GetPixel(dc_, x, y), text, back)) continue;
        if (ink.first < 0) ink.first = x;
        ink.last = x;
        break;
      }
    }
    return ink;
  }

 private:
  static bool nearer(COLORREF pixel, COLORREF text, COLORREF back) {
    int toText = 0;
    int toBack = 0;
    for (int shift : {0, 8, 16}) {
      const auto channel = [shift](COLORREF colour) { return static_cast<int>((colour >> shift) & 0xff); };
      toText += std::abs(channel(pixel) - channel(text));
      toBack += std::abs(channel(pixel) - channel(back));
    }
    return toText < toBack;
  }

  HDC screen_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  int width_;
  int height_;
};

// What the tooltip paints of its text, and what the same text leaves in the same font with
// room to spare: the two are the same unless the tooltip cuts the text short.
struct TipInk {
  InkColumns painted;
  InkColumns whole;
};
TipInk tipInk(HWND tooltip, const std::wstring& text) {
  RECT client{};
  GetClientRect(tooltip, &client);
  const auto textColour = static_cast<COLORREF>(SendMessageW(tooltip, TTM_GETTIPTEXTCOLOR, 0, 0));
  const auto back = static_cast<COLORREF>(SendMessageW(tooltip, TTM_GETTIPBKCOLOR, 0, 0));
  Picture painted(client.right, client.bottom);
  SendMessageW(tooltip, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(painted.dc()), PRF_CLIENT);

  Picture whole(client.right * 2, client.bottom);
  RECT all{0, 0, client.right * 2, client.bottom};
  HBRUSH brush = CreateSolidBrush(back);
  FillRect(whole.dc(), &all, brush);
  DeleteObject(brush);
  SelectObject(whole.dc(), reinterpret_cast<HFONT>(SendMessageW(tooltip, WM_GETFONT, 0, 0)));
  SetTextColor(whole.dc(), textColour);
  SetBkMode(whole.dc(), TRANSPARENT);
  DrawTextW(whole.dc(), text.c_str(), -1, &all, DT_NOPREFIX | DT_SINGLELINE);
  return {painted.ink(textColour, back), whole.ink(textColour, back)};
}

class LinkTooltipTest : public GameWindowsTest {
 protected:
  static void SetUpTestSuite() {
    SetProcessDPIAware();  // as the program's manifest makes it
    GameWindowsTest::SetUpTestSuite();
  }

  // Rests the pointer on a tool of the tooltip, as a user's mouse does, until the tip shows.
  bool hover(HWND tooltip, UINT tool) {
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    if (SendMessageW(tooltip, TTM_ENUMTOOLSW, tool, reinterpret_cast<LPARAM>(&info)) == 0) {
      return false;
    }
    POINT point{(info.rect.left + info.rect.right) / 2, (info.rect.top + info.rect.bottom) / 2};
    const LPARAM client = MAKELPARAM(point.x, point.y);
    ClientToScreen(info.hwnd, &point);
    SetCursorPos(point.x, point.y);
    PostMessageW(info.hwnd, WM_MOUSEMOVE, 0, client);
    return pumpUntil([tooltip] { return IsWindowVisible(tooltip) != FALSE; });
  }

  // Shows each tool's tip in turn and checks that it is whole, in the system's status font
  // grown from the system's DPI to `dpi`; gives the texts shown, in order.
  std::vector<std::wstring> showEachTip(HWND tooltip, UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    std::vector<std::wstring> shown;
    const auto tools = static_cast<UINT>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    for (UINT tool = 0; tool < tools; ++tool) {
      if (!hover(tooltip, tool)) {
        ADD_FAILURE() << "no tip for tool " << tool << " at " << dpi << " dpi";
        continue;
      }
      const std::wstring text = tipText(tooltip);
      shown.push_back(text);
      SCOPED_TRACE(testing::Message() << "the tip \"" << std::string(text.begin(), text.end())
                                      << "\" at " << dpi << " dpi");
      LOGFONTW font{};
      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(tooltip, WM_GETFONT, 0, 0)), sizeof font,
                 &font);
      EXPECT_EQ(std::abs(font.lfHeight),
                MulDiv(std::abs(metrics.lfStatusFont.lfHeight), static_cast<int>(dpi),
                       static_cast<int>(systemDpi())));
      expectWhole(tooltip, text);
      SendMessageW(tooltip, TTM_POP, 0, 0);
      pumpUntil([tooltip] { return IsWindowVisible(tooltip) == FALSE; });
    }
    std::sort(shown.begin(), shown.end());
    return shown;
  }

  // The window holds the text on one line with the margins around it, and paints all of it.
  static void expectWhole(HWND tooltip, const std::wstring& text) {
    RECT client{};
    GetClientRect(tooltip, &client);
    RECT margin{};
    SendMessageW(tooltip, TTM_GETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
    const SIZE extent = textExtent(tooltip, text);
    EXPECT_GE(client.right, extent.cx + margin.left + margin.right);
    EXPECT_GE(client.bottom, extent.cy + margin.top + margin.bottom);
    const TipInk ink = tipInk(tooltip, text);
    ASSERT_GE(ink.painted.first, 0) << "nothing painted";
    EXPECT_EQ(ink.painted.span(), ink.whole.span()) << "the text is cut short";
    EXPECT_GT(ink.painted.first, 1) << "no room on the left";
    EXPECT_LT(ink.painted.last, client.right - 2) << "no room on the right";
  }

  HWND twoPlayerTooltip() {
    const HWND two = openTwoPlayer();
    const std::vector<HWND> tooltips = two != nullptr ? tooltipsOf(two) : std::vector<HWND>{};
    return tooltips.size() == 1 ? tooltips.front() : nullptr;
  }

  const std::vector<std::wstring> addresses_{L"orvane@orvane.example", L"www.orvane.example"};
};

TEST_F(LinkTooltipTest, EachLinkShowsItsWholeAddressInAFontOfTheWindowsDpi) {
  const HWND tooltip = twoPlayerTooltip();
  ASSERT_NE(tooltip, nullptr) << "not one tooltip for the two-player window";
  const UINT dpi = DpiFunctions::system().windowDpi(window(L"TWO PLAYER !"));
  EXPECT_EQ(showEachTip(tooltip, dpi), addresses_);
}

// As when the window is moved to a screen of another DPI. Wine keeps drawing the frame at the
// system's DPI, so the new DPI is a higher one, at which the links stay inside the client area.
TEST_F(LinkTooltipTest, AtANewDpiTheTipsAreMadeAgainForIt) {
  const HWND tooltip = twoPlayerTooltip();
  ASSERT_NE(tooltip, nullptr) << "not one tooltip for the two-player window";
  const HWND two = window(L"TWO PLAYER !");
  const UINT dpi = DpiFunctions::system().windowDpi(two) * 3 / 2;
  RECT suggested{};
  GetWindowRect(two, &suggested);
  SendMessageW(two, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(showEachTip(tooltip, dpi), addresses_);
}

}  // namespace
}  // namespace ttt::test
