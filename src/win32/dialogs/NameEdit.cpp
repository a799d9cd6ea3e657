#include "win32/dialogs/NameEdit.h"

#include <algorithm>
#include <cstddef>

#include "screens/text/NameRule.h"
#include "win32/dialogs/UniscribeGraphemes.h"
#include "win32/system/WideText.h"

namespace ttt {

namespace {

// The edit class's own procedure, the same for every edit field of the program.
WNDPROC editProcedure = nullptr;
// The first half of a character typed as a surrogate pair, until its second half comes.
wchar_t pendingHighSurrogate = 0;

std::wstring textOf(HWND edit) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  return text;
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
  const auto character = static_cast<wchar_t>(wParam);
  // Control characters (Backspace, Ctrl+letters) go to the edit as they are. The edit takes
  // an input method's characters itself, so they are caught before it sees them.
  const bool typed = message == WM_CHAR || message == WM_IME_CHAR;
  if (typed && character >= 0x20 && character != 0x7F) {
    type(edit, character);
    return 0;
  }
  if (message == WM_PASTE) {
    insert(edit, clipboardText(edit));
    return 0;
  }
  return CallWindowProcW(editProcedure, edit, message, wParam, lParam);
}

// A character beyond the Basic Multilingual Plane comes in two halves: it goes in whole.
void NameEdit::type(HWND edit, wchar_t character) {
  if (isHighSurrogate(character)) {
    pendingHighSurrogate = character;
    return;
  }
  std::wstring typed(1, character);
  if (isLowSurrogate(character)) {
    if (pendingHighSurrogate == 0) return;
    typed.insert(typed.begin(), pendingHighSurrogate);
  }
  pendingHighSurrogate = 0;
  insert(edit, typed);
}

// The rule works on UTF-8: the selection is mapped there and what it keeps back again.
void NameEdit::insert(HWND edit, const std::wstring& inserted) {
  DWORD from = 0;
  DWORD to = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  const std::wstring text = textOf(edit);
  from = std::min<DWORD>(from, static_cast<DWORD>(text.size()));
  to = std::clamp<DWORD>(to, from, static_cast<DWORD>(text.size()));
  const std::size_t fromByte = toUtf8(text.substr(0, from)).size();
  const std::size_t toByte = toUtf8(text.substr(0, to)).size();
  const NameChange change =
      insertIntoName(UniscribeGraphemes(), toUtf8(text), fromByte, toByte, toUtf8(inserted));
  if (change.limited) MessageBeep(MB_OK);
  const std::wstring kept = toWide(change.text.substr(fromByte, change.cursor - fromByte));
  if (!kept.empty()) SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str()));
}

}  // namespace ttt
