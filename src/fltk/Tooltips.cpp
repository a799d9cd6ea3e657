#include "fltk/Tooltips.h"

#include <FL/Fl_Tooltip.H>

namespace ttt {

namespace {

// The toolkit's own tooltip text is 14 pixels high.
constexpr int kTextSize = 14;

}  // namespace

// Debian's toolkit is built with the 1.3.0 interface, whose tooltip margins (3 pixels) and
// wrapping width (400) are fixed; only the text follows the scale.
void scaleTooltips(Scale scale) { Fl_Tooltip::size(scale.pixels(kTextSize)); }

}  // namespace ttt
