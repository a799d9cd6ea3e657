#include "win32/NameEdit.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace ttt {

namespace {

// The edit class's own procedure, the same for every edit field of the program.
WNDPROC editProcedure = nullptr;
// A character whose first half was refused, so that its second half is refused too.
bool refusedHighSurrogate = false;

bool isHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Code points in text, a surrogate pair counting once.
int characters(const std::wstring& text) {
  return static_cast<int>(
      std::count_if(text.begin(), text.end(), [](wchar_t c) { return !isLowSurrogate(c); }));
}

std::wstring textOf(HWND edit) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Characters that may still go in, counting the selection that an insertion replaces.
int roomIn(HWND edit) {
  DWORD from = 0;
  DWORD to = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  const std::wstring text = textOf(edit);
  from = std::min<DWORD>(from, static_cast<DWORD>(text.size()));
  to = std::clamp<DWORD>(to, from, static_cast<DWORD>(text.size()));
  const int kept = characters(text) - characters(text.substr(from, to - from));
  return std::max(0, NameEdit::kMaxNameCharacters - kept);
}

std::wstring clipboardText(HWND owner) {
  std::wstring text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = locked;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace

void NameEdit::limit(HWND edit) {
  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NameEdit::procedure)));
  if (editProcedure == nullptr) editProcedure = previous;
}

LRESULT CALLBACK NameEdit::procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHAR && !mayType(edit, static_cast<wchar_t>(wParam))) {
    MessageBeep(MB_OK);
    return 0;
  }
  if (message == WM_PASTE) {
    paste(edit);
    return 0;
  }
  return CallWindowProcW(editProcedure, edit, message, wParam, lParam);
}

// Control characters (Backspace, Ctrl+letters) always go to the edit.
bool NameEdit::mayType(HWND edit, wchar_t character) {
  if (character < 0x20 || character == 0x7F) return true;
  if (isLowSurrogate(character)) return !refusedHighSurrogate;
  const bool fits = roomIn(edit) > 0;
  refusedHighSurrogate = isHighSurrogate(character) && !fits;
  return fits;
}

void NameEdit::paste(HWND edit) {
  std::wstring text = clipboardText(edit);
  const std::size_t lineBreak = text.find_first_of(L"\r\n");
  if (lineBreak != std::wstring::npos) text.resize(lineBreak);
  int room = roomIn(edit);
  std::size_t end = 0;
  while (end < text.size() && room > 0) {
    end += isHighSurrogate(text[end]) && end + 1 < text.size() ? 2 : 1;
    --room;
  }
  if (end < text.size()) MessageBeep(MB_OK);
  text.resize(end);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace ttt
