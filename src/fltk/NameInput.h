#pragma once

#include <FL/Fl_Input.H>

#include <cstddef>
#include <string_view>

namespace ttt {

class TextLayout;

// A one-line text field for a player's name: what is typed, composed or pasted goes through
// the name rule (screens/NameRule.h) with Pango's cluster boundaries, and the field inserts
// what the rule keeps; when the limit cut it, the field beeps and shows its note widget, if
// it has one. The toolkit edits the text; the field draws it, and places the cursor under the mouse, through the
// shaping text stack, so that a name in any script reads as it will be shown, and the arrow keys
// and deletions step over whole characters.
class NameInput : public Fl_Input {
 public:
  NameInput(int x, int y, int width, int height);
  // A widget, hidden until now, to show once the limit has stopped an insertion.
  void limitNote(Fl_Widget* note) { limitNote_ = note; }
  int handle(int event) override;

 protected:
  void draw() override;

 private:
  bool isTextInsertion(int event) const;
  void limitReached();
  bool handleMouse(int event);
  bool handleStepKey();
  int textLeft(const TextLayout& text);

  Fl_Widget* limitNote_ = nullptr;
  int scroll_ = 0;  // pixels of the text scrolled off to the left
};

}  // namespace ttt
