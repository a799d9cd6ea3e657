#!/usr/bin/env bash
# What other clients and the X server may do to the real program, at 200 % under a window
# manager that does not enforce size hints (icewm): each window holds its size (keeps_size) and
# its board is drawn and takes moves at the scale. Destroying a window does what its close box
# does (a name box answers empty); a protocol error provoked through the program's clipboard is
# reported on one line and the game goes on; only the loss of the X server ends the program,
# with one line and status 1.
source "$(dirname "$0")/lib.sh"
setup "$@"
[ -x "$HOSTILE" ] && command -v icewm >/dev/null || fail "usage: $0 GAME WINDOW_PIXELS HOSTILE_CLIENT, with icewm"
errors=$(mktemp) fifo_dir=$(mktemp -d) server=""
trap '[ -z "$GAME_PID" ] || kill "$GAME_PID" 2>/dev/null; kill $wm $server 2>/dev/null; rm -rf "$errors" "$fifo_dir"' EXIT
icewm >/dev/null 2>&1 & wm=$!
wait_until 10 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "icewm did not start"
# The program's own lines on standard error (a sanitizer build adds reports of its own).
said() { grep "^$(basename "$GAME"): " "$errors"; }
fail() { echo "e2e: FAILED: $*; on screen: $(windows | tr '\n' '|'); the program said: $(cat "$errors")" >&2; exit 1; }

size() { xdotool getwindowgeometry "$1" | awk '/Geometry:/ { print $2 }'; }
size_is() { [ "$(size "$1")" = "$2" ]; }
not_fullscreen() { ! xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
# The first inner grid line of the board in device pixels: 4 pixels from 110 at 96 dots per
# inch, 8 from 220 at 192.
grid_line_drawn() { [[ $(mask "$WINDOW" $(px 100) $(px 120) $(px 24) 1 ff0000) =~ ^\.{20}#{8}\.{20}$ ]]; }
# keeps_size WINDOW [dialog]: of the program's window class (which its desktop entry names, so
# that a dock groups its windows), fixed by its hints, move and close only (Motif 0x24), a
# dialog or not, and resized and then made fullscreen from outside, it comes back each time.
keeps_size() {
  local own hints
  [ "$(xprop -id "$1" WM_CLASS)" = 'WM_CLASS(STRING) = "OrvaneTicTacToe", "OrvaneTicTacToe"' ] ||
    fail "window $1 has $(xprop -id "$1" WM_CLASS)"
  own=$(size "$1") hints=$(xprop -id "$1" WM_NORMAL_HINTS)
  [[ $hints = *"minimum size: ${own/x/ by }"*"maximum size: ${own/x/ by }"* ]] ||
    fail "the size hints of window $1 do not fix it at $own: $hints"
  xprop -id "$1" _MOTIF_WM_HINTS | grep -q '= 0x3, 0x24,' || fail "window $1 may minimise"
  [ "$(xprop -id "$1" _NET_WM_WINDOW_TYPE | grep -o '= _NET_WM_WINDOW_TYPE_DIALOG$')" = "${2:+= _NET_WM_WINDOW_TYPE_DIALOG}" ] ||
    fail "window $1 is typed $(xprop -id "$1" _NET_WM_WINDOW_TYPE), not ${2:-normal}"
  xdotool windowsize "$1" 700 500 || fail "cannot resize window $1"
  wait_until 5 size_is "$1" "$own" || fail "window $1 stayed $(size "$1") after a resize, not $own"
  "$HOSTILE" fullscreen "$1" || fail "cannot ask for fullscreen"
  wait_until 5 not_fullscreen "$1" || fail "window $1 stayed fullscreen"
  wait_until 5 size_is "$1" "$own" || fail "window $1 stayed $(size "$1") after fullscreen, not $own"
}

"$GAME" 2>"$errors" & GAME_PID=$!
menu=$(wait_window "$MENU") || exit 1
keeps_size "$menu"
press "$menu" alt+t
first=$(wait_window "$ASK") || exit 1
keeps_size "$first" dialog
xdotool windowclose "$first" || fail "cannot destroy the first name box"
# The second name is copied as well, so that the program owns the clipboard.
second=$(wait_window "$ASK" "$first") || exit 1
xdotool windowfocus --sync "$second" type --delay 20 Bob || fail "cannot type Bob"
press "$second" ctrl+a
press "$second" ctrl+c
press "$second" Return
WINDOW=$(wait_window "TWO PLAYER !") FX=$(px 24) FY=$(px 24) || exit 1
keeps_size "$WINDOW"
wait_until 5 grid_line_drawn || fail "the first grid line is not red from 220 for 8 pixels"
play 0 3 1 4 2
box=$(wait_window "PLAYER A WON !") && keeps_size "$box" dialog || exit 1
dismiss "PLAYER A WON !"
wait_until 5 board_is XXXOO.... || fail "the board reads $(board), not XXXOO...."
[ "$(strike 48 46 144 5)" -ge 100 ] || fail "no strike line through the top row"

"$HOSTILE" bad-request "$WINDOW" || fail "the program did not answer the hostile request"
kill -0 "$GAME_PID" 2>/dev/null || fail "a protocol error ended the program"
[ "$(said | grep -c 'X error BadAtom')" = 1 ] || fail "the protocol error was not reported once: $(cat "$errors")"
press "$WINDOW" alt+n
wait_until 5 board_is ......... || fail "NEW GAME left $(board) on the board"
play 0 3 1 4 2
box=$(wait_window "Bob WON !") || exit 1
xdotool windowclose "$box" || fail "cannot destroy the result box"
wait_gone "Bob WON !"

xdotool windowclose "$WINDOW" || fail "cannot destroy the game window"
menu=$(wait_window "$MENU") || exit 1
wait_gone "TWO PLAYER !"
xdotool windowclose "$menu" || fail "cannot destroy the menu"
contact=$(wait_window "CONTACT !") || exit 1
keeps_size "$contact" dialog
dismiss "CONTACT !"
ended_with_0
# Besides the one protocol error, the windows that were gone are reported once at most.
[ "$(said | wc -l)" -le 2 ] || fail "more than two lines of errors"

# A server of its own, to be killed under the running program.
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$fifo_dir/display" 2>/dev/null & server=$!
read -r -t 20 number <"$fifo_dir/display" || fail "the second X server did not start"
export DISPLAY=":$number"
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
