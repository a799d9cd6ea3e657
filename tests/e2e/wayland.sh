#!/usr/bin/env bash
# The real program on Weston at scale 2, nested on the test's X server for its seat, in a
# session of its own with no XWayland and no X display to fall back on (XDG_SESSION_TYPE=wayland,
# as a desktop session starts it): the menu is a native window of 410 x 164 logical pixels
# whose surface asks for scale 2 (its size then says that its buffers are twice as large), and
# two players play by keys, which the seat passes to the focused window, to the result box and
# out through the contact box; status 0.
# Weston is read through weston-debug: its scene graph (each window's title, process, area)
# and its protocol log (what each client asked, which surface has the keyboard).
source "$(dirname "$0")/lib.sh"
GAME=${1:-} GAME_PID="" WESTON_PID="" PROTO_PID="" SESSION=""
[ -x "$GAME" ] && [ -n "${DISPLAY:-}" ] || fail "usage: $0 GAME, on a display"
command -v weston >/dev/null && command -v weston-debug >/dev/null || fail "weston is not installed"
fail() { echo "e2e: FAILED: $*; Weston shows: $(titles | tr '\n' '|')" >&2; exit 1; }
SOCKET=wayland-ttt

trap 'kill $GAME_PID $PROTO_PID $WESTON_PID 2>/dev/null; wait; [ -z "$SESSION" ] || rm -rf "$SESSION"' EXIT
# in_session COMMAND...: runs a Wayland client of the session, with no X display.
in_session() { env -u DISPLAY XDG_RUNTIME_DIR="$SESSION" WAYLAND_DISPLAY="$SOCKET" XDG_SESSION_TYPE=wayland "$@"; }
scene() { in_session timeout 5 weston-debug scene-graph 2>/dev/null; }
titles() { [ -z "$SESSION" ] || scene | sed -n "s/.*top-level window '\(.*\)' of .*/\1/p"; }
# view TITLE: "PID SURFACE WIDTH HEIGHT" of the window titled TITLE, the size of its opaque
# area, which leaves out the title bar the program draws itself.
view() {
  scene | awk -v title="$1" -v q="'" '
    index($0, "top-level window " q title q " of ") {
      match($0, /PID [0-9]+/); pid = substr($0, RSTART + 4, RLENGTH - 4)
      match($0, /surface ID [0-9]+/); surface = substr($0, RSTART + 11, RLENGTH - 11)
      wanted = 1; next }
    wanted && /position: / { gsub(/[^0-9 ]/, " "); split($0, outer) }
    wanted && /\[(fully |not )?opaque/ {
      width = 0; height = 0
      if (/fully/) { width = outer[3] - outer[1]; height = outer[4] - outer[2] }
      else if (/\[opaque: /) { gsub(/[^0-9 ]/, " "); split($0, v); width = v[3] - v[1]; height = v[4] - v[2] }
      print pid, surface, width, height
      found = 1; exit }
    /View [0-9]+ / { wanted = 0 }
    END { exit !found }'
}
wait_view() { wait_until 30 view "$@" >/dev/null && view "$@" || fail "no window \"$1\""; }

# The surface of the last wl_keyboard.enter that Weston sent, in the log read.
focused_surface() { sed -n 's/.*wl_keyboard@[0-9]*\.enter([0-9]*, wl_surface@\([0-9]*\),.*/\1/p' | tail -1; }
# focus TITLE [NTH]: waits until the NTH window so titled (the first unless told) has the
# keyboard: the last entry since the window was titled is on its surface. A client reuses the
# numbers of surfaces it has destroyed, so the second name box may bear the first one's.
focus() {
  local titled="xdg_toplevel@[0-9]*\.set_title(\"$1\")" nth=${2:-1} from surface
  wait_until 30 eval '[ "$(grep -c "$titled" "$SESSION/proto.log")" -ge "$nth" ]' || fail "no window \"$1\""
  from=$(grep -n "$titled" "$SESSION/proto.log" | sed -n "${nth}p" | cut -d: -f1)
  surface=$(wait_view "$1") && surface=$(echo "$surface" | cut -d' ' -f2) || exit 1
  wait_until 30 eval '[ "$(tail -n +"$from" "$SESSION/proto.log" | focused_surface)" = "$surface" ]' ||
    fail "\"$1\" did not get the keyboard"
}
keys() { xdotool key --clearmodifiers "$@" || fail "cannot press $*"; }
answer() { xdotool type --delay 20 "$1" && keys Return || fail "cannot type \"$1\""; }

# Weston in a private runtime folder (mode 0700, as one must be), with its debug interface.
SESSION=$(mktemp -d)
XDG_RUNTIME_DIR=$SESSION weston --socket="$SOCKET" --use-pixman --debug --backend=x11-backend.so \
  --no-config --width=620 --height=500 --scale=2 >"$SESSION/weston.log" 2>&1 & WESTON_PID=$!
wait_until 20 eval '[ -S "$SESSION/$SOCKET" ] || ! kill -0 "$WESTON_PID"' && [ -S "$SESSION/$SOCKET" ] ||
  fail "Weston did not start: $(cat "$SESSION/weston.log")"
in_session timeout 300 weston-debug proto >"$SESSION/proto.log" 2>&1 & PROTO_PID=$!
wait_until 30 test -s "$SESSION/proto.log" || fail "no protocol log"
# The keys go to the X window under the pointer: Weston's own.
output=$(wait_until 30 xdotool search --name '^Weston Compositor' | head -1) || fail "no Weston window"
xdotool mousemove --window "$output" 1 1 || fail "cannot point at Weston"
# The program itself, not a shell around it, is $GAME_PID.
env -u DISPLAY XDG_RUNTIME_DIR="$SESSION" WAYLAND_DISPLAY="$SOCKET" XDG_SESSION_TYPE=wayland "$GAME" & GAME_PID=$!
read -r pid surface width height < <(wait_view "$MENU") || exit 1
[ "$pid" = "$GAME_PID" ] || fail "the menu is shown by process $pid, not by the program"
[ "$width x $height" = "410 x 164" ] || fail "the menu is $width x $height logical pixels, not 410 x 164"
client=$(grep -F ".set_title(\"$MENU\")" "$SESSION/proto.log" | awk '{ print $4; exit }')
grep -qF "client $client rq wl_surface@$surface.set_buffer_scale(2)" "$SESSION/proto.log" ||
  fail "the menu is not drawn at scale 2"

# A two-player game by keys, to the result box and out.
focus "$MENU"
keys alt+t
focus "$ASK"
answer Ann
focus "$ASK" 2
answer Bob
focus "TWO PLAYER !"
# The digit row in reading order: X takes the top row, O two cells of the middle one.
keys 1 4 2 5 3
focus "Ann WON !"
keys Return
focus "TWO PLAYER !"
keys alt+e
focus "$MENU"
keys alt+e
focus "CONTACT !"
keys Return
ended_with_0
