#pragma once

#include "win32/system/WinApi.h"

namespace ttt {

// The DPI of the whole system, which every DPI of Windows 7 is and for which the system's own
// fonts and metrics are given.
UINT systemDpi();

// The DPI functions of newer Windows, looked up at run time so that the program starts on
// Windows 7 SP1: a window's DPI comes from GetDpiForWindow (Windows 10 1607), else from its
// monitor (GetDpiForMonitor, Windows 8.1), else from the system (GetDeviceCaps); a window's
// frame is sized by AdjustWindowRectExForDpi where it exists, else by AdjustWindowRectEx.
class DpiFunctions {
 public:
  // The functions of this system, looked up once.
  static const DpiFunctions& system();
  // The functions that these modules export; a null module offers none of them.
  DpiFunctions(HMODULE user32, HMODULE shcore);

  UINT windowDpi(HWND window) const;
  // Grows a client rectangle to the window rectangle of that style at the DPI.
  void adjustWindowRect(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) const;

 private:
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

  GetDpiForWindowFunction getDpiForWindow_ = nullptr;
  GetDpiForMonitorFunction getDpiForMonitor_ = nullptr;
  AdjustWindowRectExForDpiFunction adjustWindowRectExForDpi_ = nullptr;
};

}  // namespace ttt
