#pragma once

class QWidget;

namespace ttt {

// Window manager hints Qt has no call for, on X11; elsewhere nothing changes. This one asks
// that a window not yet shown get no taskbar button (_NET_WM_STATE_SKIP_TASKBAR).
void keepOutOfTaskbar(QWidget& window);

// Tells the window manager, through the Motif hints most of them honour, that a shown window of
// fixed size may be moved and closed only: Qt's own hints still offer a resize.
void offerOnlyMoveAndClose(QWidget& window);

// Types a dialog as a dialog alone, without the normal type Qt adds as a fallback.
void typeAsDialogOnly(QWidget& dialog);

}  // namespace ttt
