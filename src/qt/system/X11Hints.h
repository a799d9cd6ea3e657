#pragma once

class QWidget;

namespace ttt {

// Window manager hints Qt has no call for, on X11; elsewhere nothing changes.

// Asks the desktop to give a window that is not yet shown no taskbar button
// (_NET_WM_STATE_SKIP_TASKBAR).
void keepOutOfTaskbar(QWidget& window);

// Tells the window manager, through the Motif hints most of them honour, that a shown window of
// fixed size may be moved and closed only: Qt's own hints still offer a resize.
void offerOnlyMoveAndClose(QWidget& window);

}  // namespace ttt
