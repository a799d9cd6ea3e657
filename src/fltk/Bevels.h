#pragma once

#include <FL/Enumerations.H>

namespace ttt {

// The toolkit's bevelled boxes with every one-pixel ring of their border drawn ringWidth
// pixels wide, so that a border keeps its look at a larger scale. At a ring width of 1 each
// is exactly the toolkit's own box. The inside is filled with the colour.
namespace bevels {

// FL_ENGRAVED_BOX: a dark ring outside a light one.
void drawEngravedBox(int x, int y, int w, int h, Fl_Color fill, int ringWidth);
// FL_UP_BOX, or FL_DOWN_BOX while pressed: a button's raised or sunken border.
void drawButtonBox(bool down, int x, int y, int w, int h, Fl_Color fill, int ringWidth);
// How far the inside of these boxes lies from their edges: two rings.
inline int inset(int ringWidth) { return 2 * ringWidth; }

}  // namespace bevels
}  // namespace ttt
