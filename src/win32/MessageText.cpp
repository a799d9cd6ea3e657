#include "win32/MessageText.h"

#include <algorithm>
#include <cstddef>

#include "win32/DpiFunctions.h"
#include "win32/GdiObjects.h"

namespace ttt {

namespace {

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

// A line may not break inside a surrogate pair or before a combining mark.
bool mayBreakBefore(wchar_t c) {
  return !(c >= 0xDC00 && c <= 0xDFFF) && !(c >= 0x300 && c <= 0x36F);
}

int halfTheScreen(HWND owner) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY), &monitor);
  return std::max(1L, (monitor.rcWork.right - monitor.rcWork.left) / 2);
}

// How many of the run's first characters fit the width, at least one and never ending
// before a character that may not start a line.
std::size_t fittingLength(HDC dc, const wchar_t* run, std::size_t length, int width) {
  int fit = 0;
  SIZE size{};
  GetTextExtentExPointW(dc, run, static_cast<int>(length), width, &fit, nullptr, &size);
  auto end = static_cast<std::size_t>(std::max(fit, 1));
  while (end > 1 && end < length && !mayBreakBefore(run[end])) --end;
  while (end < length && !mayBreakBefore(run[end])) ++end;
  return std::min(end, length);
}

}  // namespace

std::wstring breakLongRuns(const std::wstring& text, HWND owner) {
  const int width = halfTheScreen(owner);
  // Message boxes are drawn for the system's DPI, whatever their owner's.
  const FontHandle font = createSystemFont(SystemFont::Message, systemDpi());
  HDC dc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, font.get());
  std::wstring broken;
  for (std::size_t at = 0; at < text.size();) {
    if (isBlank(text[at])) {
      broken += text[at++];
      continue;
    }
    std::size_t runEnd = at;
    while (runEnd < text.size() && !isBlank(text[runEnd])) ++runEnd;
    while (at < runEnd) {
      const std::size_t line = fittingLength(dc, text.data() + at, runEnd - at, width);
      if (at + line < runEnd) {
        broken.append(text, at, line).append(L"\r\n");
      } else {
        broken.append(text, at, line);
      }
      at += line;
    }
  }
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return broken;
}

}  // namespace ttt
