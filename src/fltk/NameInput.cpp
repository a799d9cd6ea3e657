#include "fltk/NameInput.h"

#include <FL/Fl.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <string>
#include <vector>

#include "fltk/Fonts.h"
#include "fltk/PangoGraphemes.h"
#include "fltk/TextLayout.h"
#include "screens/NameRule.h"

namespace ttt {

namespace {

constexpr int kTextMargin = 2;  // pixels between the field's inner edge and the text

// The cluster boundary before or after byte `at` of `text`.
std::size_t stepOver(std::string_view text, std::size_t at, bool forward) {
  const PangoGraphemes clusters;
  if (forward) return at >= text.size() ? text.size() : clusters.boundaryAfter(text, at + 1);
  return at == 0 ? 0 : clusters.boundaryBefore(text, at - 1);
}

}  // namespace

NameInput::NameInput(int x, int y, int width, int height) : Fl_Input(x, y, width, height) {
  textsize(fonts::kDialogFontPixels);
}

int NameInput::handle(int event) {
  if ((event == FL_PUSH || event == FL_DRAG || event == FL_RELEASE) && handleMouse(event)) return 1;
  if (event == FL_KEYBOARD && handleStepKey()) return 1;
  if (!isTextInsertion(event)) return Fl_Input::handle(event);
  const std::string_view text(value(), static_cast<std::size_t>(size()));
  const auto from = static_cast<std::size_t>(std::min(position(), mark()));
  const auto to = static_cast<std::size_t>(std::max(position(), mark()));
  const NameChange change = insertIntoName(
      PangoGraphemes(), text, from, to,
      std::string_view(Fl::event_text(), static_cast<std::size_t>(Fl::event_length())));
  if (change.limited) limitReached();
  const auto fitting = static_cast<int>(change.cursor - from);
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

void NameInput::limitReached() {
  fl_beep();
  if (limitNote_ != nullptr) limitNote_->show();
}

// A left press puts the cursor at the character under the mouse (Shift extends the
// selection to it), dragging selects, a double click selects all; a middle press pastes the
// primary selection.
bool NameInput::handleMouse(int event) {
  if (Fl::event_button() == FL_MIDDLE_MOUSE && event == FL_PUSH) {
    if (Fl::focus() != this) take_focus();
    Fl::paste(*this, 0);
    return true;
  }
  if (Fl::event_button() != FL_LEFT_MOUSE) return false;
  if (event == FL_RELEASE) {
    if (position() != mark())
      Fl::copy(value() + std::min(position(), mark()), std::abs(position() - mark()), 0);
    return true;
  }
  if (Fl::focus() != this) take_focus();
  const TextLayout text(std::string_view(value(), static_cast<std::size_t>(size())),
                        fonts::kDialogFont, textsize());
  const int at = static_cast<int>(text.offsetAt(Fl::event_x() - textLeft(text)));
  const bool extend = event == FL_DRAG || Fl::event_state(FL_SHIFT) != 0;
  if (event == FL_PUSH && Fl::event_clicks() != 0) {
    position(size(), 0);  // a double click selects the whole name
  } else {
    position(at, extend ? mark() : at);
  }
  return true;
}

// Left and Right, with or without Shift, and Backspace and Delete step over whole characters.
bool NameInput::handleStepKey() {
  if (Fl::event_state(FL_CTRL | FL_ALT | FL_META) != 0) return false;
  const int key = Fl::event_key();
  const bool forward = key == FL_Right || key == FL_Delete;
  if (key != FL_Left && key != FL_Right && key != FL_BackSpace && key != FL_Delete) return false;
  const std::string_view text(value(), static_cast<std::size_t>(size()));
  const auto step = static_cast<int>(stepOver(text, static_cast<std::size_t>(position()), forward));
  if (key == FL_BackSpace || key == FL_Delete) {
    if (position() != mark()) return false;  // the toolkit deletes the selection
    cut(position(), step);
    return true;
  }
  position(step, Fl::event_state(FL_SHIFT) != 0 ? mark() : step);
  return true;
}

// Where the text starts in window pixels, scrolled so that the cursor stays in view.
int NameInput::textLeft(const TextLayout& text) {
  const int inner = w() - Fl::box_dw(box()) - 2 * kTextMargin;
  const int cursor = text.cursorX(static_cast<std::size_t>(position()));
  scroll_ = std::clamp(scroll_, cursor - inner + 2, cursor);
  scroll_ = std::max(0, std::min(scroll_, text.width() + 2 - inner));
  return x() + Fl::box_dx(box()) + kTextMargin - scroll_;
}

void NameInput::draw() {
  const Fl_Boxtype frame = box();
  draw_box(frame, color());
  const int innerX = x() + Fl::box_dx(frame);
  const int innerY = y() + Fl::box_dy(frame);
  fl_push_clip(innerX, innerY, w() - Fl::box_dw(frame), h() - Fl::box_dh(frame));
  const TextLayout text(std::string_view(value(), static_cast<std::size_t>(size())),
                        fonts::kDialogFont, textsize());
  const int left = textLeft(text);
  const int top = innerY + (h() - Fl::box_dh(frame) - text.height()) / 2;
  text.draw(left, top, active_r() ? textcolor() : fl_inactive(textcolor()));
  const bool focused = Fl::focus() == this;
  if (focused && position() != mark()) {
    // The selection, in as many pieces as its directions, in the selection's colours.
    const auto from = static_cast<std::size_t>(std::min(position(), mark()));
    const auto to = static_cast<std::size_t>(std::max(position(), mark()));
    for (const auto& [start, end] : text.spans(from, to)) {
      fl_push_clip(left + start, top, end - start, text.height());
      fl_color(selection_color());
      fl_rectf(left + start, top, end - start, text.height());
      text.draw(left, top, fl_contrast(textcolor(), selection_color()));
      fl_pop_clip();
    }
  } else if (focused) {
    fl_color(cursor_color());
    fl_rectf(left + text.cursorX(static_cast<std::size_t>(position())), top, 2, text.height());
  }
  fl_pop_clip();
}

}  // namespace ttt
