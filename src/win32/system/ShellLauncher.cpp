#include "win32/system/ShellLauncher.h"

#include "win32/system/WinApi.h"
#include <shellapi.h>

#include "platform/LinkPolicy.h"
#include "win32/system/WideText.h"

namespace ttt {

void ShellLauncher::open(const std::string& target) {
  if (!isLinkTarget(target)) return;
  const std::wstring file = toWide(target);
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof execute;
  execute.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_ASYNCOK;
  execute.lpVerb = L"open";
  execute.lpFile = file.c_str();
  execute.nShow = SW_SHOWNORMAL;
  ShellExecuteExW(&execute);
}

}  // namespace ttt
