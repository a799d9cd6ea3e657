#include "win32/ShellLauncher.h"

#include "win32/WinApi.h"
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "win32/WideText.h"

namespace ttt {

namespace {

bool startsWithNoCase(const std::string& text, std::string_view prefix) {
  return text.size() > prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

}  // namespace

bool ShellLauncher::isLinkTarget(const std::string& target) {
  constexpr std::array<std::string_view, 3> kSchemes{"http://", "https://", "mailto:"};
  const bool control = std::any_of(target.begin(), target.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x20; });
  return !control &&
         std::any_of(kSchemes.begin(), kSchemes.end(), [&target](std::string_view scheme) {
           return startsWithNoCase(target, scheme);
         });
}

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
