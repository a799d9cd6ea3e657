#pragma once

#include "win32/WinApi.h"

namespace ttt {

// Makes a one-line edit field a name field of at most kMaxNameCharacters characters (code
// points, so a character beyond the Basic Multilingual Plane counts once): typing stops at
// the limit with a beep, and a paste keeps what fits of its first line, beeping when the
// limit cut it. The edit's own limit counts UTF-16 units and would split a surrogate pair.
class NameEdit {
 public:
  static constexpr int kMaxNameCharacters = 255;

  static void limit(HWND edit);

 private:
  static LRESULT CALLBACK procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
  static bool mayType(HWND edit, wchar_t character);
  static void paste(HWND edit);
};

}  // namespace ttt
