#pragma once

class QApplication;

namespace ttt {

// The look every window shares: Qt's classic "Windows" style with the classic system colours,
// and MS Sans Serif's stand-in as the boxes' font; the windows' desktop identity.
void styleApplication(QApplication& application);

}  // namespace ttt
