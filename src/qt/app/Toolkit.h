#pragma once

class QApplication;

namespace ttt {

// The classic look every window shares, and the windows' desktop identity.
void styleApplication(QApplication& application);

}  // namespace ttt
