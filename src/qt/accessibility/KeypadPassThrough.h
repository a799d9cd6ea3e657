#pragma once

namespace ttt {

// Gives a game window the keypad's digits with Num Lock on while a screen reader runs: Qt 6.4's
// bridge never tells Orca that Num Lock is on, so Orca would take them as review commands (X11
// only: Orca hears no keys of Wayland programs).
void passKeypadDigitsToGameWindows();

}  // namespace ttt
