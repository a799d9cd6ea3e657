#include "win32/system/DpiFunctions.h"

namespace ttt {

namespace {

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI: the DPI the user's scaling asks for

// GetProcAddress's result as the function type it really has; a null module gives null.
template <typename Function>
Function lookUp(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  // Through the generic function pointer type, which converts to any other without warning.
  using Generic = void (*)();
  return reinterpret_cast<Function>(reinterpret_cast<Generic>(GetProcAddress(module, name)));
}

}  // namespace

UINT systemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96u;
}

const DpiFunctions& DpiFunctions::system() {
  // shcore.dll, from the system folder only, stays loaded for the program's life. Windows 7
  // has none, and may not know the search flag either: both leave the system DPI.
  static const DpiFunctions functions(
      GetModuleHandleW(L"user32.dll"),
      LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  return functions;
}

DpiFunctions::DpiFunctions(HMODULE user32, HMODULE shcore)
    : getDpiForWindow_(lookUp<GetDpiForWindowFunction>(user32, "GetDpiForWindow")),
      getDpiForMonitor_(lookUp<GetDpiForMonitorFunction>(shcore, "GetDpiForMonitor")),
      adjustWindowRectExForDpi_(
          lookUp<AdjustWindowRectExForDpiFunction>(user32, "AdjustWindowRectExForDpi")) {}

UINT DpiFunctions::windowDpi(HWND window) const {
  if (getDpiForWindow_ != nullptr) {
    const UINT dpi = getDpiForWindow_(window);
    if (dpi > 0) return dpi;
  }
  if (getDpiForMonitor_ != nullptr) {
    UINT x = 0;
    UINT y = 0;
    const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (SUCCEEDED(getDpiForMonitor_(monitor, kEffectiveDpi, &x, &y)) && x > 0) return x;
  }
  return systemDpi();
}

void DpiFunctions::adjustWindowRect(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) const {
  if (adjustWindowRectExForDpi_ != nullptr &&
      adjustWindowRectExForDpi_(&rect, style, FALSE, exStyle, dpi) != FALSE) {
    return;
  }
  // The frame of the system DPI, which is the window's own DPI wherever this is needed.
  AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

}  // namespace ttt
