#pragma once

#include "win32/WinApi.h"

#include <functional>
#include <string>
#include <utility>

#include "forms/Services.h"

namespace ttt {

// The platform's message box, owned by the window that shows it and modal to it. The
// program's styles are the platform's own flags: 48 the exclamation icon, 64 information. A
// word too long for a line is broken (see breakLongRuns), so the box fits the screen.
class Win32MessageBox : public MessageBox {
 public:
  explicit Win32MessageBox(std::function<HWND()> owner) : owner_(std::move(owner)) {}
  void show(const std::string& prompt, int style, const std::string& title) override;

 private:
  std::function<HWND()> owner_;
};

}  // namespace ttt
