# Helpers for the end-to-end scripts, which drive the real program as a person would and see
# it only through window titles and pixels. Every wait is bounded.
set -u
MENU="ORVANE'S TIC TAC TOE !"
ASK="Orvane'S Tic Tac Toe !"  # the title of the name boxes
# The scale the display was given (with-xvfb.sh sets it from TTT_XFT_DPI); the pixel
# positions below are those at 96 dots per inch, made larger by px.
DPI=${TTT_XFT_DPI:-96}
px() { echo $((($1 * DPI * 2 + 96) / 192)); }
fail() { echo "e2e: FAILED: $*; on screen: $(windows | tr '\n' '|')" >&2; exit 1; }

# wait_until SECONDS COMMAND...: retries COMMAND every 0.1 s until it succeeds or time is up.
wait_until() {
  local tries=$(($1 * 10))
  shift
  until "$@"; do ((--tries > 0)) || return 1; sleep 0.1; done
}
# "ID TITLE" of each titled window on screen (xdotool's own search ignores case).
windows() {
  local id
  for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    echo "$id $(xdotool getwindowname "$id" 2>/dev/null)"
  done | grep -v ' $'
}
# window_id TITLE [NOT_ID]: the id of a window titled exactly TITLE, other than NOT_ID.
window_id() {
  windows | awk -v title="$1" -v not="${2:-}" '$1 != not && substr($0, index($0, " ") + 1) == title {
    print $1; found = 1; exit } END { exit !found }'
}
wait_window() { wait_until 10 window_id "$@" >/dev/null && window_id "$@" || fail "no window \"$1\""; }
window_gone() { ! window_id "$1" >/dev/null; }
wait_gone() { wait_until 10 window_gone "$1" || fail "\"$1\" is still on screen"; }
press() { xdotool windowfocus --sync "$1" key --clearmodifiers "$2" || fail "cannot press $2"; }
# The pointer leaves for the corner after each click, off the board.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1 mousemove 0 0 || fail "cannot click"; }
dismiss() { local box; box=$(wait_window "$1") || exit 1; press "$box" Return; wait_gone "$1"; }
# answer_input_box TEXT [NOT_ID]: types TEXT into the name box and prints the box's id.
answer_input_box() {
  local box
  box=$(wait_window "$ASK" "${2:-}") || exit 1
  xdotool windowfocus --sync "$box" type --delay 20 "$1" || fail "cannot type \"$1\""
  press "$box" Return
  echo "$box"
}
# leave WINDOW TITLE: "&EXIT" from a game window back to the menu, whose id goes to $menu.
leave() { press "$1" alt+e && wait_gone "$2" && menu=$(wait_window "$MENU") || exit 1; }

# mask WINDOW X Y W H [RRGGBB]: the area as rows of '#' (ink) and '.'.
mask() { "$PIXELS" "$@" || fail "cannot read the pixels of window $1"; }
# The board of the game window $WINDOW, whose frame has its corner at $FX, $FY (in pixels at
# the scale): nine cells of 33 pixels at 96 dots per inch.
cell() { local l=(48 104 168) t=(32 80 128); CX=$((FX + $(px ${l[$1 % 3]}))) CY=$((FY + $(px ${t[$1 / 3]}))); }
click_cell() { cell "$1"; click "$WINDOW" $((CX + $(px 16))) $((CY + $(px 16))); }
play() { local c; for c; do click_cell "$c"; done; }
# The board row by row as X, O or . (empty), told apart by the runs of blue in the first
# inked row of each cell: two for the arms of an X, one for the top of an O's ring.
board() {
  local c
  for c in 0 1 2 3 4 5 6 7 8; do cell "$c"; mask "$WINDOW" "$CX" "$CY" "$(px 33)" "$(px 33)" 0000ff |
    awk '/#/ { gsub(/\.+/, " "); n = NF; exit } END { printf "%s", (n > 2 ? "?" : substr(".OX", n + 1, 1)) }'; done
}
board_is() { [ "$(board)" = "$1" ]; }
# play_to_result TAKE: against the computer, TAKE CELL takes the first empty cell each move,
# once the computer has answered, until the result box titled $RESULT is up.
replied_or_ended() { local b; b=$(board); b=${b//./}; window_id "$RESULT" >/dev/null || [ "${#b}" -ge "$1" ]; }
play_to_result() {
  local move empty
  for move in 1 2 3 4 5; do
    empty=$(board) && empty=${empty%%.*}
    "$1" "${#empty}"
    wait_until 10 replied_or_ended $((move * 2)) || fail "no reply and no result after move $move"
    window_id "$RESULT" >/dev/null && return
  done
  fail "five moves and no result box"
}
# strike X Y W H: how many pixels of that area of the frame (in pixels at 96 dots per inch) a
# yellow strike line covers.
strike() { mask "$WINDOW" $((FX + $(px $1))) $((FY + $(px $2))) "$(px $3)" "$(px $4)" ffff00 | tr -cd '#' | wc -c; }
start_game() { "$GAME" & GAME_PID=$!; }
# quit: the menu's "&EXIT" closes the menu, shows the contact box, and the program ends with 0.
quit() {
  press "$menu" alt+e
  wait_window "CONTACT !" >/dev/null || exit 1
  window_gone "$MENU" || fail "the menu is still on screen behind the contact box"
  dismiss "CONTACT !"
  ended_with_0
}
ended_with_0() {
  wait_until 10 eval '! kill -0 "$GAME_PID" 2>/dev/null' && wait "$GAME_PID" || fail "the program did not end with 0"
  GAME_PID=""
}
setup() {
  GAME=${1:-} PIXELS=${2:-} HOSTILE=${3:-} GAME_PID=""
  [ -x "$GAME" ] && [ -x "$PIXELS" ] && [ -n "${DISPLAY:-}" ] || fail "usage: $0 GAME WINDOW_PIXELS, on a display"
  trap '[ -z "$GAME_PID" ] || kill "$GAME_PID" 2>/dev/null' EXIT
}
