#!/usr/bin/env bash
# Every window of the program, its name boxes included, carries the window class that the
# desktop entry names, so that a dock groups them all under the program's icon.
source "$(dirname "$0")/../e2e/lib.sh"
class=$3
setup "$1" "$2"
has_class() {
  [ "$(xprop -id "$1" WM_CLASS)" = "WM_CLASS(STRING) = \"$class\", \"$class\"" ] ||
    fail "window $1 has $(xprop -id "$1" WM_CLASS)"
}
start_game
menu=$(wait_window "$MENU") && has_class "$menu" || exit 1
press "$menu" alt+t
box=$(wait_window "$ASK") && has_class "$box" && press "$box" Escape || exit 1
box=$(wait_window "$ASK" "$box") && press "$box" Escape || exit 1
window=$(wait_window "TWO PLAYER !") && has_class "$window" || exit 1
leave "$window" "TWO PLAYER !"
quit
