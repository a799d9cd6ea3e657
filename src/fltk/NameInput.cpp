#include "fltk/NameInput.h"

#include <FL/Fl.H>
#include <FL/fl_ask.H>
#include <FL/fl_utf8.h>

#include <algorithm>

namespace ttt {

namespace {

int characterCount(const char* text, int bytes) {
  return bytes > 0 ? fl_utf_nb_char(reinterpret_cast<const unsigned char*>(text), bytes) : 0;
}

// How many bytes of `text` make up its first `characters` characters before any line
// break; a stray byte counts as a character of its own.
int fittingBytes(const char* text, int bytes, int characters) {
  int at = 0;
  for (int taken = 0; at < bytes && taken < characters; ++taken) {
    if (text[at] == '\n' || text[at] == '\r') break;
    int length = 0;
    fl_utf8decode(text + at, text + bytes, &length);
    at += std::clamp(length, 1, bytes - at);
  }
  return at;
}

}  // namespace

NameInput::NameInput(int x, int y, int width, int height) : Fl_Input(x, y, width, height) {}

int NameInput::handle(int event) {
  if (!isTextInsertion(event)) return Fl_Input::handle(event);
  const int fitting = fittingBytes(Fl::event_text(), Fl::event_length(), roomInCharacters());
  const char* stop = Fl::event_text() + fitting;
  const bool atLineBreak = fitting < Fl::event_length() && (*stop == '\n' || *stop == '\r');
  if (fitting < Fl::event_length() && !atLineBreak) limitReached();
  // The toolkit inserts what the event carries: from here on it carries only what fits.
  Fl::e_length = fitting;
  if (fitting == 0) return 1;
  // The toolkit drops the blanks at the end of a paste; a name keeps every byte given.
  if (event == FL_PASTE) return replace(position(), mark(), Fl::event_text(), fitting);
  return Fl_Input::handle(event);
}

// Text typed (a character key or composed text, no Ctrl, Alt or Meta) or pasted.
bool NameInput::isTextInsertion(int event) const {
  if (Fl::event_text() == nullptr || Fl::event_length() <= 0) return false;
  if (event == FL_PASTE) return true;
  if (event != FL_KEYBOARD || Fl::event_state(FL_CTRL | FL_ALT | FL_META) != 0) return false;
  const auto first = static_cast<unsigned char>(Fl::event_text()[0]);
  return first >= 0x20 && first != 0x7f;
}

// Characters that may still go in, counting the selection the insertion replaces.
int NameInput::roomInCharacters() const {
  const int from = std::min(position(), mark());
  const int to = std::max(position(), mark());
  const int kept = characterCount(value(), size()) - characterCount(value() + from, to - from);
  return std::max(0, kMaxNameCharacters - kept);
}

void NameInput::limitReached() {
  fl_beep();
  if (limitNote_ != nullptr) limitNote_->show();
}

}  // namespace ttt
