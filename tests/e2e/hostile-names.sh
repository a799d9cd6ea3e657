#!/usr/bin/env bash
# Names no one should type, on the real program: a mebibyte pasted in pieces (INCR) from
# the clipboard and a paste holding a line break. The program lives on, the names stop at
# 255 characters and at the line break, and the result box sits centred on the screen with
# its button on it. Pasted blanks stay in the names. 255 letters each with a combining accent
# are 255 characters: kept whole, the 256th refused. No window offers to minimise.
source "$(dirname "$0")/lib.sh"
setup "$@"
command -v xclip >/dev/null || fail "xclip is not installed"
clip() { printf '%s' "$1" | xclip -selection clipboard -t UTF8_STRING -i; }
# paste BOX: Ctrl+V in a name box, then waits for text in its field (right of the cursor).
has_text() { mask "$1" "$(px 56)" "$(px 48)" "$(px 300)" "$(px 13)" | grep -q '#'; }
paste() { press "$1" ctrl+v && wait_until 10 has_text "$1" || fail "nothing was pasted"; }
# close_only WINDOW: its Motif hints ask for move and close only (0x24), no minimise.
close_only() { xprop -id "$1" _MOTIF_WM_HINTS | grep -q '= 0x3, 0x24,' || fail "window $1 may minimise"; }

start_game
menu=$(wait_window "$MENU") || exit 1
close_only "$menu"
press "$menu" alt+t
clip "$(head -c 1048576 /dev/zero | tr '\0' 'w')"  # more than the server takes at once
first=$(wait_window "$ASK") || exit 1
close_only "$first"
paste "$first"
kill -0 "$GAME_PID" 2>/dev/null || fail "the program died of the pasted mebibyte"
press "$first" Return
clip "$(printf 'Bob\nthe second line')"
second=$(wait_window "$ASK" "$first") || exit 1
paste "$second"
press "$second" Return
WINDOW=$(wait_window "TWO PLAYER !") FX=$(px 24) FY=$(px 24) || exit 1
close_only "$WINDOW"

long=$(printf 'w%.0s' $(seq 255))
play 0 3 1 4 2
box=$(wait_window "$long WON !") || exit 1
close_only "$box"
geometry() { xdotool getwindowgeometry --shell "$1" | awk -F= '/^(X|Y|WIDTH|HEIGHT)=/ { printf "%s ", $2 }'; }
read -r X Y WIDTH HEIGHT < <(geometry "$box")
screen=($(xdotool getdisplaygeometry))
((X >= 0 && Y >= 0 && X + WIDTH <= screen[0] && Y + HEIGHT <= screen[1])) || fail "the box is off screen"
# Twice the point the box is centred on, and the left of its "OK" button, the one thing drawn
# at its bottom: the program's own box is centred on the screen with the button at the right;
# with TTT_BOX_ON_OWNER=1 (Windows' message box) on the game window, the button in the middle.
if [ "${TTT_BOX_ON_OWNER:-}" = 1 ]; then
  read -r OX OY OWIDTH OHEIGHT < <(geometry "$WINDOW")
  centre=($((2 * OX + OWIDTH)) $((2 * OY + OHEIGHT))) button=$((WIDTH / 2 - $(px 45)))
else
  centre=("${screen[0]}" "${screen[1]}") button=$((WIDTH - $(px 110)))
fi
((2 * X + WIDTH - centre[0] <= 4 && centre[0] - 2 * X - WIDTH <= 4)) || fail "the box is not centred across"
((2 * Y + HEIGHT - centre[1] <= 4 && centre[1] - 2 * Y - HEIGHT <= 4)) || fail "the box is not centred down"
[ "$(mask "$box" "$button" $((HEIGHT - $(px 33))) "$(px 90)" "$(px 23)" | tr -cd '#' | wc -c)" -gt 50 ] || fail "no button"
dismiss "$long WON !"

# A new game opens with O, whose name stopped at the line break.
press "$WINDOW" alt+n
wait_until 5 board_is ......... || fail "NEW GAME left $(board) on the board"
play 0 3 1 4 2
dismiss "Bob WON !"
leave "$WINDOW" "TWO PLAYER !"

# Pasted names keep their blanks: "Bob" and two blanks for X, three blanks for O.
press "$menu" alt+t
clip "Bob  "
first=$(wait_window "$ASK") || exit 1
paste "$first"
press "$first" Return
clip "   "
second=$(wait_window "$ASK" "$first") || exit 1
paste "$second"
press "$second" Return
WINDOW=$(wait_window "TWO PLAYER !") || exit 1
play 0 3 1 4 2
dismiss "Bob   WON !"
press "$WINDOW" alt+n
wait_until 5 board_is ......... || fail "NEW GAME left $(board) on the board"
play 0 3 1 4 2
dismiss "    WON !"
leave "$WINDOW" "TWO PLAYER !"

# "e" and a combining acute, 256 times: the name keeps the first 255 whole.
press "$menu" alt+t
clip "$(printf 'e\xcc\x81%.0s' $(seq 256))"
first=$(wait_window "$ASK") || exit 1
paste "$first"
press "$first" Return
second=$(wait_window "$ASK" "$first") || exit 1
press "$second" Return
WINDOW=$(wait_window "TWO PLAYER !") || exit 1
play 0 3 1 4 2
dismiss "$(printf 'e\xcc\x81%.0s' $(seq 255)) WON !"
leave "$WINDOW" "TWO PLAYER !"
quit
