#!/usr/bin/env bash
# Every window at 200 % under a window manager that does not enforce size hints (icewm): its
# hints fix its size, it offers move and close only, each dialog is typed as one, and a resize
# or fullscreen from outside is undone. The board still takes its moves where it did, and its
# strike line is drawn at the scale.
source "$(dirname "$0")/lib.sh"
setup "$@"
HOSTILE=${3:-}
[ -x "$HOSTILE" ] && command -v icewm >/dev/null || fail "usage: $0 GAME WINDOW_PIXELS HOSTILE_CLIENT, with icewm"
icewm >/dev/null 2>&1 & wm=$!
trap '[ -z "$GAME_PID" ] || kill "$GAME_PID" 2>/dev/null; kill "$wm" 2>/dev/null' EXIT
wait_until 10 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "icewm did not start"

size() { xdotool getwindowgeometry "$1" | awk '/Geometry:/ { print $2 }'; }
size_is() { [ "$(size "$1")" = "$2" ]; }
not_fullscreen() { ! xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
is_dialog() { xprop -id "$1" _NET_WM_WINDOW_TYPE | grep -q '= _NET_WM_WINDOW_TYPE_DIALOG$'; }
# keeps_size WINDOW [dialog]: fixed by its hints, move and close only (Motif 0x24), a dialog or
# not, and resized and then made fullscreen from outside, it comes back each time.
keeps_size() {
  local own hints
  own=$(size "$1") hints=$(xprop -id "$1" WM_NORMAL_HINTS)
  [[ $hints = *"minimum size: ${own/x/ by }"*"maximum size: ${own/x/ by }"* ]] ||
    fail "the size hints of window $1 do not fix it at $own: $hints"
  xprop -id "$1" _MOTIF_WM_HINTS | grep -q '= 0x3, 0x24,' || fail "window $1 may minimise"
  if [ -n "${2:-}" ]; then is_dialog "$1" || fail "window $1 is no dialog"
  elif is_dialog "$1"; then fail "window $1 is typed as a dialog"; fi
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
first=$(wait_window "$ASK") || exit 1
keeps_size "$first" dialog
press "$first" Escape
second=$(wait_window "$ASK" "$first") && press "$second" Escape || exit 1
WINDOW=$(wait_window "TWO PLAYER !") FX=$(px 24) FY=$(px 24) || exit 1
keeps_size "$WINDOW"
play 0 3 1 4 2
box=$(wait_window "PLAYER A WON !") || exit 1
keeps_size "$box" dialog
dismiss "PLAYER A WON !"
wait_until 5 board_is XXXOO.... || fail "the board reads $(board), not XXXOO...."
[ "$(strike 48 46 144 5)" -ge 100 ] || fail "no strike line through the top row"
leave "$WINDOW" "TWO PLAYER !"

press "$menu" alt+o
answer_input_box "Ann" >/dev/null || exit 1
WINDOW=$(wait_window "SINGLE PLAYER !") FX=$(px 16) FY=$(px 24) || exit 1
keeps_size "$WINDOW"
click_cell 4
wait_until 5 eval '[[ $(board) = ????X???? ]]' || fail "the board reads $(board) after a move in the centre"
leave "$WINDOW" "SINGLE PLAYER !"

press "$menu" alt+e
contact=$(wait_window "CONTACT !") || exit 1
keeps_size "$contact" dialog
dismiss "CONTACT !"
wait_until 10 eval '! kill -0 "$GAME_PID" 2>/dev/null' && wait "$GAME_PID" || fail "the program did not end with 0"
GAME_PID=""
