#pragma once

#include <FL/Enumerations.H>

#include "forms/Layout.h"

namespace ttt {

// The faces the layouts name are Windows fonts; Liberation Sans stands in for MS Sans Serif
// and Comic Neue for Comic Sans MS, in the same weight. Underlining is drawn by the label.
namespace fonts {

// The dialogs' text and name field, in the face that stands for MS Sans Serif, as Windows'
// own message boxes have it.
inline constexpr FontSpec kDialogFont{FontFace::MsSansSerif, 10.5, false, false};
inline constexpr int kDialogFontPixels = 14;

// The toolkit font of a layout font; registers the substitute faces on first use.
Fl_Font face(const FontSpec& font);
// The face and weight of a toolkit font that face() gave.
FontSpec layoutFont(Fl_Font face);

}  // namespace fonts
}  // namespace ttt
