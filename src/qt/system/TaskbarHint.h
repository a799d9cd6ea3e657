#pragma once

class QWidget;

namespace ttt {

// Asks the desktop to give a window that is not yet shown no taskbar button. Only X11 has a
// way to ask it (_NET_WM_STATE_SKIP_TASKBAR); elsewhere nothing changes.
void keepOutOfTaskbar(QWidget& window);

}  // namespace ttt
