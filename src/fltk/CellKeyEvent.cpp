#include "fltk/CellKeyEvent.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>

namespace ttt {

std::optional<CellKey> cellKeyOf(int key, std::string_view text, int state) {
  if ((state & (FL_CTRL | FL_ALT | FL_META)) != 0) return std::nullopt;
  if (key >= FL_KP + '0' && key <= FL_KP + '9') {
    return CellKey{CellKey::Row::Keypad, key - (FL_KP + '0')};
  }
  if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') {
    return CellKey{CellKey::Row::Digits, text[0] - '0'};
  }
  return std::nullopt;
}

std::optional<CellKey> cellKeyOfEvent() {
  // With Num Lock off the toolkit turns the keypad's keys into arrows, Home, End and so on;
  // the key as it came tells the keypad's digits apart.
  const std::string_view text(Fl::event_text(), static_cast<std::size_t>(Fl::event_length()));
  return cellKeyOf(Fl::event_original_key(), text, Fl::event_state());
}

}  // namespace ttt
