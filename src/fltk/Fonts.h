#pragma once

#include <FL/Enumerations.H>

#include "forms/Layout.h"

namespace ttt {

// The faces the layouts name are Windows fonts; Liberation Sans stands in for MS Sans Serif
// and Comic Neue for Comic Sans MS, in the same weight. Underlining is drawn by the label.
namespace fonts {

// The toolkit font of a layout font; registers the substitute faces on first use.
Fl_Font face(const FontSpec& font);

}  // namespace fonts
}  // namespace ttt
