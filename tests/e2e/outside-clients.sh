#!/usr/bin/env bash
# What other clients and the X server may do to the real program. Destroying a name box
# answers it empty, destroying a result box dismisses it; destroying the game window goes back to the menu and destroying the
# menu leaves through the contact box, as their close boxes do; a protocol error that a
# client provokes through the program's clipboard is reported on one line and the game goes on;
# only the loss of the X server ends the program, with one line and status 1.
source "$(dirname "$0")/lib.sh"
setup "$@"
HOSTILE=${3:-}
[ -x "$HOSTILE" ] || fail "usage: $0 GAME WINDOW_PIXELS HOSTILE_CLIENT"
errors=$(mktemp)
trap '[ -z "$GAME_PID" ] || kill "$GAME_PID" 2>/dev/null; rm -f "$errors"' EXIT
"$GAME" 2>"$errors" & GAME_PID=$!
# The program's own lines on standard error (a sanitizer build adds reports of its own).
said() { grep "^$(basename "$GAME"): " "$errors"; }
reports() { said | grep -c "$1"; }
# Failures also show what the program said on standard error.
fail() { echo "e2e: FAILED: $*; on screen: $(windows | tr '\n' '|'); the program said: $(cat "$errors")" >&2; exit 1; }

menu=$(wait_window "$MENU") || exit 1
press "$menu" alt+t
first=$(wait_window "$ASK") || exit 1
xdotool windowclose "$first" || fail "cannot destroy the first name box"
# The second name is copied as well, so that the program owns the clipboard.
second=$(wait_window "$ASK" "$first") || exit 1
xdotool windowfocus --sync "$second" type --delay 20 Bob || fail "cannot type Bob"
press "$second" ctrl+a
press "$second" ctrl+c
press "$second" Return
WINDOW=$(wait_window "TWO PLAYER !") FX=$(px 24) FY=$(px 24) || exit 1
play 0 3 1 4 2
box=$(wait_window "PLAYER A WON !") || exit 1
xdotool windowclose "$box" || fail "cannot destroy the result box"
wait_gone "PLAYER A WON !"

"$HOSTILE" bad-request "$WINDOW" || fail "the program did not answer the hostile request"
kill -0 "$GAME_PID" 2>/dev/null || fail "a protocol error ended the program"
[ "$(reports 'X error BadAtom')" = 1 ] || fail "the protocol error was not reported once: $(cat "$errors")"
press "$WINDOW" alt+n
wait_until 5 board_is ......... || fail "NEW GAME left $(board) on the board"
play 0 3 1 4 2
dismiss "Bob WON !"

xdotool windowclose "$WINDOW" || fail "cannot destroy the game window"
menu=$(wait_window "$MENU") || exit 1
wait_gone "TWO PLAYER !"
xdotool windowclose "$menu" || fail "cannot destroy the menu"
dismiss "CONTACT !"
wait_until 10 eval '! kill -0 "$GAME_PID" 2>/dev/null' && wait "$GAME_PID" ||
  fail "the program did not end with 0"
GAME_PID=""
[ "$(reports 'windows that are gone')" -le 1 ] || fail "gone windows reported more than once"
[ "$(said | wc -l)" -le 2 ] || fail "more than two lines of errors"

# A server of its own, to be killed under the running program.
fifo_dir=$(mktemp -d)
trap '[ -z "$GAME_PID" ] || kill "$GAME_PID" 2>/dev/null; kill "$server" 2>/dev/null; rm -rf "$errors" "$fifo_dir"' EXIT
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$fifo_dir/display" \
  2>"$fifo_dir/log" & server=$!
read -r -t 20 number <"$fifo_dir/display" || fail "the second X server did not start"
export DISPLAY=":$number"
wait_until 10 xdpyinfo >/dev/null 2>&1 || fail "the second X server takes no clients: $(cat "$fifo_dir/log")"
"$GAME" 2>"$errors" & GAME_PID=$!
wait_until 10 window_id "$MENU" >/dev/null || fail "no menu on the second server"
kill "$server"
wait_until 10 eval '! kill -0 "$GAME_PID" 2>/dev/null' || fail "the program outlived its X server"
wait "$GAME_PID"
status=$?
GAME_PID=""
[ "$status" = 1 ] || fail "status $status, not 1, when the X server went away"
[ "$(said)" = "$(basename "$GAME"): lost the connection to the X display \":$number\"" ] ||
  fail "the lost connection was not told in one line"
