#pragma once

#include "fltk/Scale.h"

namespace ttt {

// Sizes the text of the toolkit's tooltips for the scale: the toolkit's default at 96 dots
// per inch, grown with the scale.
void scaleTooltips(Scale scale);

}  // namespace ttt
