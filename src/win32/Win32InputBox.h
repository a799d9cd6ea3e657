#pragma once

#include "win32/WinApi.h"

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

}  // namespace ttt
