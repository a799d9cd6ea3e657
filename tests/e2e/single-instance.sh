#!/usr/bin/env bash
# One program per display: of two started at once one stays and the other ends with 0, and a
# later start ends with 0 too, having shown nothing but brought the running program's window,
# or the dialog open over it, to the front.
source "$(dirname "$0")/lib.sh"
setup "$@"
[ -x "$HOSTILE" ] || fail "usage: $0 GAME WINDOW_PIXELS HOSTILE_CLIENT"
other=""
trap '[ -z "$GAME_PID" ] || kill "$GAME_PID" 2>/dev/null; [ -z "$other" ] || kill "$other" 2>/dev/null' EXIT
# on_top WINDOW: whether WINDOW is the topmost of the screen's windows (xwininfo lists the top first).
on_top() { [ "$(xwininfo -root -children | awk '/^ +0x/ { print $1; exit }')" = "$(printf '0x%x' "$1")" ]; }
second_start() {
  local before
  before=$(windows | wc -l)
  timeout 10 "$GAME" || fail "a second start ended with status $?"
  [ "$(windows | wc -l)" = "$before" ] || fail "the second start showed a window"
}

"$GAME" & GAME_PID=$!
"$GAME" & other=$!
menu=$(wait_window "$MENU") || exit 1
wait_until 10 eval '! kill -0 "$GAME_PID" 2>/dev/null || ! kill -0 "$other" 2>/dev/null' ||
  fail "two programs run on one display"
if kill -0 "$GAME_PID" 2>/dev/null; then ended=$other; else ended=$GAME_PID GAME_PID=$other; fi
other=""
wait "$ended" || fail "the program started second ended with status $?"
[ "$(windows | grep -c "$MENU")" = 1 ] || fail "not one menu on screen"

"$HOSTILE" cover >/dev/null || fail "cannot cover the screen"
on_top "$menu" && fail "the cover is not over the menu"
second_start
wait_until 5 on_top "$menu" || fail "the menu was not brought to the front"

press "$menu" alt+t
box=$(wait_window "$ASK") || exit 1
"$HOSTILE" cover >/dev/null || fail "cannot cover the screen"
second_start
wait_until 5 on_top "$box" || fail "the name box was not brought to the front"
