#pragma once

class Fl_Window;

namespace ttt {

// Tells the window manager, through the Motif hints that most of them honour, that a shown
// window of fixed size may be moved and closed only: its border offers a close box, a title
// and a window menu, and no minimise or maximise button. The toolkit's own hints still
// allow minimising.
void offerOnlyClose(Fl_Window& window);

}  // namespace ttt
