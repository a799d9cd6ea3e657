#include "win32/dialogs/DialogTemplate.h"

namespace ttt {

DialogTemplate::DialogTemplate(const std::wstring& title, short width, short height) {
  putDword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SHELLFONT);
  putDword(0);  // extended style
  countAt_ = words_.size();
  words_.push_back(0);  // controls, counted as they are added
  for (short value : {short{0}, short{0}, width, height})
    words_.push_back(static_cast<WORD>(value));
  words_.push_back(0);  // no menu
  words_.push_back(0);  // the standard dialog class
  putText(title);
  words_.push_back(8);  // point size of the shell's dialog font
  putText(L"MS Shell Dlg");
}

void DialogTemplate::add(WORD classAtom, const std::wstring& text, DWORD style, RECT box, WORD id) {
  alignToDword();
  putDword(style | WS_CHILD | WS_VISIBLE);
  putDword(0);
  for (LONG value : {box.left, box.top, box.right - box.left, box.bottom - box.top}) {
    words_.push_back(static_cast<WORD>(value));
  }
  words_.push_back(id);
  words_.push_back(0xFFFF);
  words_.push_back(classAtom);
  putText(text);
  words_.push_back(0);  // no creation data
  ++words_[countAt_];
}

void DialogTemplate::putDword(DWORD value) {
  words_.push_back(LOWORD(value));
  words_.push_back(HIWORD(value));
}

void DialogTemplate::putText(const std::wstring& text) {
  words_.insert(words_.end(), text.begin(), text.end());
  words_.push_back(0);
}

// The vector's storage is aligned for any type; a DWORD boundary is every other word.
void DialogTemplate::alignToDword() {
  if (words_.size() % 2 != 0) words_.push_back(0);
}

}  // namespace ttt
