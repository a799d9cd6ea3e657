#pragma once

#include "screens/access/CellKeys.h"

namespace ttt {

class Form;

// Plays a cell key on a window exactly as a click on that cell's label: the window's click
// handler runs, with all its guards, only when a click could reach the label, that is when
// the label and every frame it lies in are shown and enabled. Returns whether the key names
// a cell of this window (the key is then used up, whether or not the move is taken).
bool pressCellKey(Form& form, CellKey key);

}  // namespace ttt
