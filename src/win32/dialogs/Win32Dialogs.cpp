#include "win32/dialogs/Win32Dialogs.h"

#include <cstddef>

#include "win32/dialogs/DialogTemplate.h"
#include "win32/dialogs/MessageText.h"
#include "win32/dialogs/NameEdit.h"
#include "win32/system/WideText.h"

namespace ttt {

namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kTextId = 101;

INT_PTR CALLBACK inputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    NameEdit::limit(GetDlgItem(dialog, kTextId));
    return TRUE;  // the focus goes to the edit field, the first control that takes it
  }
  if (message != WM_COMMAND) return FALSE;
  if (LOWORD(wParam) == IDOK) {
    auto* answer = reinterpret_cast<std::wstring*>(GetWindowLongPtrW(dialog, DWLP_USER));
    const HWND field = GetDlgItem(dialog, kTextId);
    answer->resize(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1);
    const int length = GetWindowTextW(field, answer->data(), static_cast<int>(answer->size()));
    answer->resize(static_cast<std::size_t>(length));
    EndDialog(dialog, IDOK);
    return TRUE;
  }
  if (LOWORD(wParam) == IDCANCEL) {  // Cancel, Escape and the close box
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

std::string Win32InputBox::ask(const std::string& prompt) {
  DialogTemplate box(toWide(title_), 240, 78);
  box.add(DialogTemplate::kStatic, toWide(prompt), SS_LEFT | SS_NOPREFIX, {7, 7, 178, 50},
          kPromptId);
  box.add(DialogTemplate::kEdit, L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, {7, 58, 233, 71},
          kTextId);
  box.add(DialogTemplate::kButton, L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, {185, 7, 233, 21}, IDOK);
  box.add(DialogTemplate::kButton, L"Cancel", WS_TABSTOP | BS_PUSHBUTTON, {185, 25, 233, 39},
          IDCANCEL);
  std::wstring answer;
  const INT_PTR result =
      DialogBoxIndirectParamW(GetModuleHandleW(nullptr), box.get(), owner_ ? owner_() : nullptr,
                              &inputBoxProc, reinterpret_cast<LPARAM>(&answer));
  return result == IDOK ? toUtf8(answer) : std::string();
}

void Win32MessageBox::show(const std::string& prompt, int style, const std::string& title) {
  // Only the icon is taken from the style: every box of the program has one OK button.
  const UINT icon = static_cast<UINT>(style) & MB_ICONMASK;
  const HWND owner = owner_ ? owner_() : nullptr;
  MessageBoxW(owner, breakLongRuns(toWide(prompt), owner).c_str(), toWide(title).c_str(),
              MB_OK | icon);
}

}  // namespace ttt
