#pragma once

#include "win32/system/WinApi.h"

#include <string>

namespace ttt {

// Makes a one-line edit field a name field: every character typed or composed, and every
// paste, goes through the name rule (screens/NameRule.h) with Windows' own cluster
// boundaries, and the edit inserts only what the rule keeps, beeping when the limit cut it.
class NameEdit {
 public:
  static void limit(HWND edit);

 private:
  static LRESULT CALLBACK procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
  static void insert(HWND edit, const std::wstring& inserted);
  static void type(HWND edit, wchar_t character);
};

}  // namespace ttt
