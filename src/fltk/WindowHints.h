#pragma once

class Fl_Window;

namespace ttt {

// Tells the window manager, through the Motif hints that most of them honour, that a shown
// window of fixed size may be moved and closed only: its border offers a close box, a title
// and a window menu, and no minimise or maximise button. The toolkit's own hints still
// allow minimising.
void offerOnlyClose(Fl_Window& window);

// Shows a dialog typed as one (_NET_WM_WINDOW_TYPE_DIALOG), so that the window manager
// gives it no taskbar button of its own, with a border that offers only a close box. The
// type must be in place when the window manager takes the window on.
void showAsDialog(Fl_Window& dialog);

// Asks the window manager to leave a shown window out of the taskbar.
void leaveTaskbar(Fl_Window& window);

// Places the window in the middle of the main screen's work area (the screen less its
// panels), rather than where the window manager or the mouse pointer would put it.
void centreOnWorkArea(Fl_Window& window);

}  // namespace ttt
