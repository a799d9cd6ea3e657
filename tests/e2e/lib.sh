# Helpers for the end-to-end scripts: they drive the real program on the X display as a
# person would (mouse, keyboard) and look at the screen only through window titles and
# pixels. Every wait polls a condition every 0.1 s up to a bound, then fails.
#
# Sourced by the scripts; they set GAME (the program) and PIXELS (the window-pixels tool).

set -u

log() { echo "e2e: $*" >&2; }

fail() {
  log "FAILED: $*"
  log "windows on screen: $(visible_titles | tr '\n' '|')"
  exit 1
}

# wait_until SECONDS COMMAND...: runs COMMAND until it succeeds, at most SECONDS long.
wait_until() {
  local limit=$(($1 * 10)) tries=0
  shift
  until "$@"; do
    tries=$((tries + 1))
    if [ "$tries" -ge "$limit" ]; then
      return 1
    fi
    sleep 0.1
  done
}

# The titles of all windows on screen that have one (the root window has none), one a line.
visible_titles() {
  local id title
  for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    title=$(xdotool getwindowname "$id" 2>/dev/null)
    if [ -n "$title" ]; then echo "$title"; fi
  done
}

# Prints the ids of the windows on screen whose title is exactly TITLE. The search itself
# ignores case and reads the title as a pattern, so each title is compared afterwards.
windows_titled() {
  local id
  for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ]; then
      echo "$id"
    fi
  done
}

window_shown() { [ -n "$(windows_titled "$1")" ]; }
window_gone() { [ -z "$(windows_titled "$1")" ]; }

# wait_window TITLE [NOT_ID]: prints the id of a window titled TITLE once it is on screen,
# ignoring the window NOT_ID (a box of the same title that was closed just before).
wait_window() {
  local title=$1 not=${2:-} tries=0 id
  while [ "$tries" -lt 100 ]; do
    for id in $(windows_titled "$title"); do
      if [ "$id" != "$not" ]; then
        echo "$id"
        return 0
      fi
    done
    tries=$((tries + 1))
    sleep 0.1
  done
  fail "no window titled \"$title\" appeared within 10 s"
}

wait_window_gone() {
  wait_until 10 window_gone "$1" || fail "the window titled \"$1\" is still on screen"
}

# press WINDOW KEYS: gives WINDOW the keyboard focus and presses KEYS on the keyboard.
press() {
  xdotool windowfocus --sync "$1" 2>/dev/null || fail "cannot focus window $1"
  xdotool key --clearmodifiers "$2" || fail "cannot press $2"
}

# type_text WINDOW TEXT: types TEXT into WINDOW, then Return.
type_text() {
  xdotool windowfocus --sync "$1" 2>/dev/null || fail "cannot focus window $1"
  xdotool type --delay 20 -- "$2" || fail "cannot type \"$2\""
  xdotool key Return || fail "cannot press Return"
}

# click WINDOW X Y: a left click at X, Y inside WINDOW. The pointer then goes to the
# screen's corner: a message box opens where the pointer is, and there it covers no board.
click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1 || fail "cannot click $1 at $2,$3"
  xdotool mousemove 0 0 || fail "cannot move the pointer away"
}

# answer_input_box TEXT [NOT_ID]: waits for the program's input box, types TEXT and OK.
# Prints the id of the box.
answer_input_box() {
  local box
  box=$(wait_window "Orvane'S Tic Tac Toe !" "${2:-}") || exit 1
  type_text "$box" "$1"
  echo "$box"
}

# dismiss TITLE: waits for the message box titled TITLE, presses OK (Return) and waits
# until it has gone.
dismiss() {
  local box
  box=$(wait_window "$1") || exit 1
  press "$box" Return
  wait_window_gone "$1"
}

# Pixels. pixel_count WINDOW X Y W H RRGGBB prints how many pixels have that colour;
# pixel_mask WINDOW X Y W H [RRGGBB] prints the area's ink (pixels of that colour, or all
# that differ from the background) as rows of '#' and '.'.
pixel_count() { "$PIXELS" count "$@" || fail "cannot read the pixels of window $1"; }
pixel_mask() { "$PIXELS" mask "$@" || fail "cannot read the pixels of window $1"; }

# The ink of a mask cut down to the rows and columns that hold any ink.
ink_only() {
  awk '
    { rows[NR] = $0; if (index($0, "#")) { if (!top) top = NR; bottom = NR }
      for (i = 1; i <= length($0); i++) if (substr($0, i, 1) == "#") {
        if (!left || i < left) left = i; if (i > right) right = i } }
    END { for (r = top; r <= bottom && top; r++) print substr(rows[r], left, right - left + 1) }'
}

# Whether the ink reads as the digit 1: one run of ink in every row, and an upright stroke
# through all of them. A 0, 2, 3, 4, 6, 8 or 9 has two runs side by side in some row; a 5 or
# a 7 has no column inked from top to bottom.
reads_one() {
  ink_only | awk '
    { line = $0; gsub(/#+/, "X", line); gsub(/\./, "", line); if (line != "X") split_row = 1
      for (i = 1; i <= length($0); i++) if (substr($0, i, 1) == "#") inked[i]++ }
    END {
      if (NR < 4 || split_row) exit 1
      for (i in inked) if (inked[i] == NR) exit 0
      exit 1
    }'
}

# The runs of ink in the first inked row: one for an "O" (the top of its ring), two for an
# "X" (its two arms). Strike lines cross marks lower down and leave this row alone.
top_ink_runs() {
  ink_only | awk 'NR == 1 { gsub(/#+/, "X"); gsub(/\./, ""); print length($0) }'
}

# start_game: starts the program in the background; its pid is in GAME_PID.
start_game() {
  "$GAME" >"$WORK/game.out" 2>"$WORK/game.err" &
  GAME_PID=$!
}

# expect_exit STATUS: the program ends within 10 s with STATUS.
expect_exit() {
  wait_until 10 program_ended || fail "the program is still running 10 s after it should have ended"
  local status=0
  wait "$GAME_PID" || status=$?
  GAME_PID=""
  [ "$status" -eq "$1" ] || fail "the program ended with status $status, not $1"
}

program_ended() { ! kill -0 "$GAME_PID" 2>/dev/null; }

# stop_game: ends a program that a failed test left running, and removes the scratch files.
stop_game() {
  if [ -n "${GAME_PID:-}" ] && kill -0 "$GAME_PID" 2>/dev/null; then
    kill "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true
  fi
  if [ -s "$WORK/game.err" ]; then
    log "the program wrote on stderr:"
    cat "$WORK/game.err" >&2
  fi
  rm -rf "$WORK"
}

setup() {
  GAME=$1
  PIXELS=$2
  [ -x "$GAME" ] || fail "no program at $GAME"
  [ -x "$PIXELS" ] || fail "no pixel reader at $PIXELS"
  [ -n "${DISPLAY:-}" ] || fail "no X display (run through tests/support/with-xvfb.sh)"
  WORK=$(mktemp -d)
  GAME_PID=""
  trap stop_game EXIT
}
