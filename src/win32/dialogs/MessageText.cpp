#include "win32/dialogs/MessageText.h"

#include "screens/text/MessageWrap.h"
#include "win32/system/DpiFunctions.h"
#include "win32/system/GdiObjects.h"
#include "win32/dialogs/UniscribeGraphemes.h"
#include "win32/system/WideText.h"

namespace ttt {

namespace {

int workAreaWidth(HWND owner) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY), &monitor);
  return monitor.rcWork.right - monitor.rcWork.left;
}

}  // namespace

std::wstring breakLongRuns(const std::wstring& text, HWND owner) {
  // Message boxes are drawn for the system's DPI, whatever their owner's.
  const FontHandle font = createSystemFont(SystemFont::Message, systemDpi());
  HDC dc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, font.get());
  const MeasureText measure = [dc](std::string_view utf8) {
    const std::wstring wide = toWide(std::string(utf8));
    SIZE size{};
    GetTextExtentExPointW(dc, wide.data(), static_cast<int>(wide.size()), 0, nullptr, nullptr,
                          &size);
    return static_cast<int>(size.cx);
  };
  const std::string broken = breakLongRuns(toUtf8(text), widestMessageLine(workAreaWidth(owner)),
                                           measure, UniscribeGraphemes(), "\r\n");
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return toWide(broken);
}

}  // namespace ttt
