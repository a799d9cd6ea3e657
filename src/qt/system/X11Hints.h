#pragma once

class QWidget;

namespace ttt {

// Window manager hints Qt has no call for, on X11 only. No taskbar button for a window not yet
// shown.
void keepOutOfTaskbar(QWidget& window);
// Motif hints that a fixed-size window may be moved and closed only: Qt's still offer a resize.
void offerOnlyMoveAndClose(QWidget& window);
// A dialog typed as a dialog alone, without the normal type Qt adds as a fallback.
void typeAsDialogOnly(QWidget& dialog);

}  // namespace ttt
