#include "win32/Win32MessageBox.h"

#include "win32/WideText.h"

namespace ttt {

void Win32MessageBox::show(const std::string& prompt, int style, const std::string& title) {
  // Only the icon is taken from the style: every box of the program has one OK button.
  const UINT icon = static_cast<UINT>(style) & MB_ICONMASK;
  MessageBoxW(owner_ ? owner_() : nullptr, toWide(prompt).c_str(), toWide(title).c_str(),
              MB_OK | icon);
}

}  // namespace ttt
