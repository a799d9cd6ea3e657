#pragma once

namespace ttt {

// Gives a game window the keypad's digits with Num Lock on while a screen reader runs.
// Orca leaves the keypad to a program only when the key event says Num Lock is on, and Qt
// 6.4's bridge never says so: Orca would take every keypad key as one of its review commands
// and the game could not be played by the keypad at all. These keys now go to the game
// window without passing the bridge; Orca still gets the keypad with Num Lock off, and
// every key in the boxes. X11 only: Orca hears no keys of Wayland programs.
void passKeypadDigitsToGameWindows();

}  // namespace ttt
