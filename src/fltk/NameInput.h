#pragma once

#include <FL/Fl_Input.H>

#include <cstddef>
#include <string_view>

namespace ttt {

class TextLayout;

// A one-line text field for a name of at most kMaxNameCharacters characters (the classic
// input box's limit), counted as a reader counts them: a letter with its combining accents
// or an emoji with its modifiers is one. Typing or pasting stops at the limit: the field
// keeps what fits, beeps, and shows its note widget, if it has one. A pasted line break ends
// the pasted text there, as in any one-line edit field; blanks and tabs are kept as pasted. The
// toolkit edits the text; the field draws it, and places the cursor under the mouse, through the
// shaping text stack, so that a name in any script reads as it will be shown, and the arrow keys
// and deletions step over whole characters.
class NameInput : public Fl_Input {
 public:
  static constexpr int kMaxNameCharacters = 255;

  NameInput(int x, int y, int width, int height);
  // A widget, hidden until now, to show once the limit has stopped an insertion.
  void limitNote(Fl_Widget* note) { limitNote_ = note; }
  int handle(int event) override;

 protected:
  void draw() override;

 private:
  bool isTextInsertion(int event) const;
  int fittingBytes(std::string_view inserted) const;
  void limitReached();
  bool handleMouse(int event);
  bool handleStepKey();
  int textLeft(const TextLayout& text);

  Fl_Widget* limitNote_ = nullptr;
  int scroll_ = 0;  // pixels of the text scrolled off to the left
};

}  // namespace ttt
