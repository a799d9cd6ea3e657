#pragma once

#include "win32/system/WinApi.h"

#include <functional>
#include <string>
#include <utility>

#include "forms/Services.h"

namespace ttt {

// A small modal dialog built in memory: the prompt, an edit field, OK and Cancel, under the
// title given, centred as the platform centres dialogs. OK answers the text entered; Cancel,
// Escape and the close box answer "".
class Win32InputBox : public InputBox {
 public:
  Win32InputBox(std::string title, std::function<HWND()> owner)
      : title_(std::move(title)), owner_(std::move(owner)) {}
  std::string ask(const std::string& prompt) override;

 private:
  std::string title_;
  std::function<HWND()> owner_;
};

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
