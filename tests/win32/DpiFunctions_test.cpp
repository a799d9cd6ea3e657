// The DPI functions of Windows 7, where newer ones are missing, answer as the newer ones do for
// a window of a DPI-aware program. Run at 120 dpi, so that a fixed 96 cannot pass.
#include <gtest/gtest.h>

#include "win32/system/WinApi.h"

#include "win32/system/DpiFunctions.h"

namespace ttt::test {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

class DpiFunctionsTest : public testing::Test {
 protected:
  void SetUp() override {
    SetProcessDPIAware();
    window_ = CreateWindowExW(0, L"STATIC", L"dpi", kStyle, 0, 0, 100, 100, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override { DestroyWindow(window_); }

  HWND window_ = nullptr;
  const DpiFunctions& newer_ = DpiFunctions::system();
  const DpiFunctions windows7_{nullptr, nullptr};
};

TEST_F(DpiFunctionsTest, WithoutTheNewerFunctionsAWindowHasTheSystemDpi) {
  const UINT dpi = newer_.windowDpi(window_);
  EXPECT_GE(dpi, 96u);
  EXPECT_EQ(windows7_.windowDpi(window_), dpi);
}

TEST_F(DpiFunctionsTest, WithoutTheNewerFunctionsAFrameIsSizedForTheSystemDpi) {
  const UINT dpi = newer_.windowDpi(window_);
  RECT newer{0, 0, 300, 200};
  RECT older = newer;
  newer_.adjustWindowRect(newer, kStyle, 0, dpi);
  windows7_.adjustWindowRect(older, kStyle, 0, dpi);
  EXPECT_LT(newer.top, -GetSystemMetrics(SM_CYCAPTION) / 2) << "no title bar added";
  EXPECT_EQ(older.left, newer.left);
  EXPECT_EQ(older.top, newer.top);
  EXPECT_EQ(older.right, newer.right);
  EXPECT_EQ(older.bottom, newer.bottom);
}

}  // namespace
}  // namespace ttt::test
