#pragma once

#include <FL/Enumerations.H>

#include "forms/Layout.h"

namespace ttt {

// The toolkit colour of a layout colour: 0xBBGGRR, or 0x800000nn for system colour nn,
// which takes the Windows default of that colour.
Fl_Color toolkitColour(Colour colour);

}  // namespace ttt
