#pragma once

class Fl_Window;

namespace ttt {

// Tells the window manager, through the Motif hints that most of them honour, that a shown
// window of fixed size may be moved and closed only: its border offers a close box, a title
// and a window menu, and no minimise or maximise button. The toolkit's own hints still
// allow minimising.
void offerOnlyClose(Fl_Window& window);

// Asks the window manager to leave a shown window out of the taskbar.
void leaveTaskbar(Fl_Window& window);

// Places the window in the middle of the main screen's work area (the screen less its
// panels), rather than where the window manager or the mouse pointer would put it.
void centreOnWorkArea(Fl_Window& window);

}  // namespace ttt
