#!/usr/bin/env bash
# Every window keeps its size whatever another client does: with no window manager to
# enforce the size hints, a resize from outside is undone. Each window's hints say so
# (minimum equal to maximum), and each dialog is typed as a dialog.
source "$(dirname "$0")/lib.sh"
setup "$@"
size() { xdotool getwindowgeometry "$1" | awk '/Geometry:/ { print $2 }'; }
size_is() { [ "$(size "$1")" = "$2" ]; }
# keeps_size WINDOW: resized from outside, it comes back to its size, which its hints fix.
keeps_size() {
  local own wide high
  own=$(size "$1")
  wide=${own%x*} high=${own#*x}
  xprop -id "$1" WM_NORMAL_HINTS | grep -q "minimum size: $wide by $high" &&
    xprop -id "$1" WM_NORMAL_HINTS | grep -q "maximum size: $wide by $high" ||
    fail "the size hints of window $1 do not fix it at $own"
  xdotool windowsize "$1" $((wide + 90)) $((high + 60)) || fail "cannot resize window $1"
  wait_until 5 size_is "$1" "$own" || fail "window $1 stayed $(size "$1"), not $own"
}
window_type() { xprop -id "$1" _NET_WM_WINDOW_TYPE | sed -n 's/.* = //p'; }
is_dialog() { [ "$(window_type "$1")" = _NET_WM_WINDOW_TYPE_DIALOG ] || fail "window $1 is no dialog"; }

start_game
menu=$(wait_window "$MENU") || exit 1
keeps_size "$menu"
[ "$(window_type "$menu")" != _NET_WM_WINDOW_TYPE_DIALOG ] || fail "the menu is typed as a dialog"
press "$menu" alt+t
first=$(wait_window "$ASK") || exit 1
is_dialog "$first"
keeps_size "$first"
press "$first" Escape
second=$(wait_window "$ASK" "$first") || exit 1
press "$second" Escape
WINDOW=$(wait_window "TWO PLAYER !") FX=$(px 24) FY=$(px 24) || exit 1
keeps_size "$WINDOW"
play 0 3 1 4 2
box=$(wait_window "PLAYER A WON !") || exit 1
is_dialog "$box"
keeps_size "$box"
dismiss "PLAYER A WON !"
# The board still takes moves where it did: nothing was laid out again.
press "$WINDOW" alt+n
wait_until 5 board_is ......... || fail "NEW GAME left $(board) on the board"
click_cell 4
wait_until 5 board_is ....O.... || fail "the board reads $(board) after a move in the centre"
leave "$WINDOW" "TWO PLAYER !"

press "$menu" alt+o
answer_input_box "Ann" >/dev/null || exit 1
one=$(wait_window "SINGLE PLAYER !") || exit 1
keeps_size "$one"
leave "$one" "SINGLE PLAYER !"

press "$menu" alt+e
contact=$(wait_window "CONTACT !") || exit 1
is_dialog "$contact"
keeps_size "$contact"
dismiss "CONTACT !"
wait_until 10 eval '! kill -0 "$GAME_PID" 2>/dev/null' && wait "$GAME_PID" || fail "the program did not end with 0"
GAME_PID=""
