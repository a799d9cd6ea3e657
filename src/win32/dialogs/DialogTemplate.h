#pragma once

#include "win32/system/WinApi.h"

#include <cstddef>
#include <string>
#include <vector>

namespace ttt {

// A dialog template in memory, as the platform's dialog functions read it: the dialog in
// dialog units with the shell's dialog font, then its controls in tab order.
class DialogTemplate {
 public:
  DialogTemplate(const std::wstring& title, short width, short height);

  // Adds a control of a predefined class (0x0080 button, 0x0081 edit, 0x0082 static).
  void add(WORD classAtom, const std::wstring& text, DWORD style, RECT box, WORD id);
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  static constexpr WORD kButton = 0x0080;
  static constexpr WORD kEdit = 0x0081;
  static constexpr WORD kStatic = 0x0082;

 private:
  void putDword(DWORD value);
  void putText(const std::wstring& text);
  void alignToDword();

  std::vector<WORD> words_;
  std::size_t countAt_ = 0;
};

}  // namespace ttt
