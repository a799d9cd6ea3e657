#include "win32/Win32MessageBox.h"

#include "win32/MessageText.h"
#include "win32/WideText.h"

namespace ttt {

void Win32MessageBox::show(const std::string& prompt, int style, const std::string& title) {
  // Only the icon is taken from the style: every box of the program has one OK button.
  const UINT icon = static_cast<UINT>(style) & MB_ICONMASK;
  const HWND owner = owner_ ? owner_() : nullptr;
  MessageBoxW(owner, breakLongRuns(toWide(prompt), owner).c_str(), toWide(title).c_str(),
              MB_OK | icon);
}

}  // namespace ttt
