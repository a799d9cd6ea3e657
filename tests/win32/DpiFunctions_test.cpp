// The DPI functions of Windows 7, where newer ones are missing, answer as the newer ones do for
// a window of a DPI-aware program. Run again at 192 dpi, so that a fixed 96 cannot pass.
#include <gtest/gtest.h>

#include "win32/system/WinApi.h"

#include <vector>

#include "win32/system/DpiFunctions.h"

namespace ttt::test {
namespace {

TEST(DpiFunctionsTest, WithoutTheNewerFunctionsAWindowHasAndIsFramedForTheSystemDpi) {
  SetProcessDPIAware();
  constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  const HWND window = CreateWindowExW(0, L"STATIC", L"dpi", style, 0, 0, 100, 100, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  const DpiFunctions& newer = DpiFunctions::system();
  const DpiFunctions windows7{nullptr, nullptr};
  const UINT dpi = newer.windowDpi(window);
  EXPECT_EQ(windows7.windowDpi(window), dpi);
  RECT framed{0, 0, 300, 200};
  RECT older = framed;
  newer.adjustWindowRect(framed, style, 0, dpi);
  windows7.adjustWindowRect(older, style, 0, dpi);
  EXPECT_LT(framed.top, -GetSystemMetrics(SM_CYCAPTION) / 2) << "no title bar added";
  EXPECT_EQ((std::vector<LONG>{older.left, older.top, older.right, older.bottom}),
            (std::vector<LONG>{framed.left, framed.top, framed.right, framed.bottom}));
  DestroyWindow(window);
}

}  // namespace
}  // namespace ttt::test
