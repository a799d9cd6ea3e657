#!/usr/bin/env bash
# Names no one should type, pasted into the real program's name boxes: a mebibyte in pieces
# (INCR) from the clipboard that opens with 256 letters each with a combining accent, and a
# paste of blanks and a line break. The program lives on, the names stop at 255 characters
# (an accented letter being one) and at the line break, a blank name stays, and the result
# box for the longest name sits centred on the screen with its button on it.
source "$(dirname "$0")/lib.sh"
setup "$@"
command -v xclip >/dev/null || fail "xclip is not installed"
# A name box takes the clipboard with Ctrl+V; the paste has landed once its field (right of the
# cursor) shows ink.
has_text() { mask "$1" "$(px 56)" "$(px 48)" "$(px 300)" "$(px 13)" | grep -q '#'; }

start_game
menu=$(wait_window "$MENU") || exit 1
press "$menu" alt+t
box=""
for name in "$(printf 'e\xcc\x81%.0s' $(seq 256))$(head -c 1048576 /dev/zero | tr '\0' 'w')" \
  "$(printf '   \nthe second line')"; do
  printf '%s' "$name" | xclip -selection clipboard -t UTF8_STRING -i
  box=$(wait_window "$ASK" "$box") || exit 1
  press "$box" ctrl+v && wait_until 10 has_text "$box" || fail "nothing was pasted"
  kill -0 "$GAME_PID" 2>/dev/null || fail "the program died of the paste"
  press "$box" Return
done
WINDOW=$(wait_window "TWO PLAYER !") FX=$(px 24) FY=$(px 24) || exit 1
play 0 3 1 4 2
long=$(printf 'e\xcc\x81%.0s' $(seq 255))
box=$(wait_window "$long WON !") || exit 1
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
press "$WINDOW" alt+n
wait_until 5 board_is ......... || fail "NEW GAME left $(board) on the board"
play 0 3 1 4 2  # O opens the new game
dismiss "    WON !"
leave "$WINDOW" "TWO PLAYER !"
quit
