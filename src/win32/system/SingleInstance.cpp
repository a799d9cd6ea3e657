#include "platform/SingleInstance.h"

#include "win32/system/WinApi.h"
#include "win32/system/WideText.h"

// On Windows the claim is a named mutex of the session, with a hidden message-only window
// that tells a later start which process holds it.
namespace ttt {

struct SingleInstance::Claim {
  HANDLE mutex = nullptr;
  HWND marker = nullptr;
};

namespace {

constexpr const wchar_t* kMarkerClass = L"OrvaneTicTacToeRunning";

HWND createMarker() {
  WNDCLASSEXW markerClass{};
  markerClass.cbSize = sizeof markerClass;
  markerClass.lpfnWndProc = &DefWindowProcW;
  markerClass.hInstance = GetModuleHandleW(nullptr);
  markerClass.lpszClassName = kMarkerClass;
  RegisterClassExW(&markerClass);
  return CreateWindowExW(0, kMarkerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

struct Search {
  DWORD process = 0;
  HWND found = nullptr;
};

// The windows come topmost first; a dialog open over a window lies above it.
BOOL CALLBACK takeFirstShownWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  if (process != search.process || !IsWindowVisible(window) || (style & WS_CAPTION) != WS_CAPTION)
    return TRUE;
  search.found = window;
  return FALSE;
}

void bringRunningProgramToFront() {
  const HWND marker = FindWindowExW(HWND_MESSAGE, nullptr, kMarkerClass, nullptr);
  Search search;
  if (marker == nullptr || GetWindowThreadProcessId(marker, &search.process) == 0) return;
  EnumWindows(&takeFirstShownWindow, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return;
  if (IsIconic(search.found)) ShowWindow(search.found, SW_RESTORE);
  // Over every window, of other programs too, and then back among the ordinary ones: the
  // window ends on top even where its program is the foreground one already.
  constexpr UINT kKeepPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  SetWindowPos(search.found, HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace);
  SetWindowPos(search.found, HWND_NOTOPMOST, 0, 0, 0, 0, kKeepPlace);
  AllowSetForegroundWindow(search.process);
  SetForegroundWindow(search.found);
}

}  // namespace

SingleInstance::SingleInstance(const std::string& applicationId) {
  // "Local\" keeps the name to this session: other users' programs are not this one.
  const HANDLE mutex = CreateMutexW(nullptr, FALSE, toWide("Local\\" + applicationId).c_str());
  if (mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    bringRunningProgramToFront();
    return;
  }
  claim_ = std::make_unique<Claim>();
  claim_->mutex = mutex;
  claim_->marker = createMarker();
}

SingleInstance::~SingleInstance() {
  if (!claim_) return;
  if (claim_->marker != nullptr) DestroyWindow(claim_->marker);
  if (claim_->mutex != nullptr) CloseHandle(claim_->mutex);
}

}  // namespace ttt
