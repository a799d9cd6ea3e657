#pragma once

#include <FL/Fl_Input.H>

namespace ttt {

// A one-line text field for a name of at most kMaxNameCharacters characters (the classic
// input box's limit). Typing or pasting stops at the limit: the field keeps what fits,
// beeps, and shows its note widget, if it has one. A pasted line break ends the pasted
// text there, as in any one-line edit field; blanks and tabs are kept as pasted.
class NameInput : public Fl_Input {
 public:
  static constexpr int kMaxNameCharacters = 255;

  NameInput(int x, int y, int width, int height);
  // A widget, hidden until now, to show once the limit has stopped an insertion.
  void limitNote(Fl_Widget* note) { limitNote_ = note; }
  int handle(int event) override;

 private:
  bool isTextInsertion(int event) const;
  int roomInCharacters() const;
  void limitReached();

  Fl_Widget* limitNote_ = nullptr;
};

}  // namespace ttt
