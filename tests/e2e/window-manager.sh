#!/usr/bin/env bash
# Under a window manager that does not enforce size hints (icewm): a window resized, or made
# fullscreen, from outside gets its own size back and leaves fullscreen, and the board still
# takes its moves where it did.
source "$(dirname "$0")/lib.sh"
setup "$@"
HOSTILE=${3:-}
[ -x "$HOSTILE" ] || fail "usage: $0 GAME WINDOW_PIXELS HOSTILE_CLIENT"
command -v icewm >/dev/null || fail "icewm is not installed"
icewm >/dev/null 2>&1 & wm=$!
trap '[ -z "$GAME_PID" ] || kill "$GAME_PID" 2>/dev/null; kill "$wm" 2>/dev/null' EXIT
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
wait_until 10 wm_ready || fail "icewm did not start"

size() { xdotool getwindowgeometry "$1" | awk '/Geometry:/ { print $2 }'; }
size_is() { [ "$(size "$1")" = "$2" ]; }
not_fullscreen() { ! xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
# keeps_size WINDOW: resized and then made fullscreen from outside, it comes back each time.
keeps_size() {
  local own
  own=$(size "$1")
  xdotool windowsize "$1" 700 500 || fail "cannot resize window $1"
  wait_until 5 size_is "$1" "$own" || fail "window $1 stayed $(size "$1") after a resize, not $own"
  "$HOSTILE" fullscreen "$1" || fail "cannot ask for fullscreen"
  wait_until 5 not_fullscreen "$1" || fail "window $1 stayed fullscreen"
  wait_until 5 size_is "$1" "$own" || fail "window $1 stayed $(size "$1") after fullscreen, not $own"
}

start_game
menu=$(wait_window "$MENU") || exit 1
keeps_size "$menu"
press "$menu" alt+t
first=$(answer_input_box "Ann") || exit 1
answer_input_box "Bob" "$first" >/dev/null || exit 1
WINDOW=$(wait_window "TWO PLAYER !") FX=$(px 24) FY=$(px 24) || exit 1
keeps_size "$WINDOW"
play 0 3 1 4 2
dismiss "Ann WON !"
wait_until 5 board_is XXXOO.... || fail "the board reads $(board), not XXXOO...."
leave "$WINDOW" "TWO PLAYER !"
quit
