#!/usr/bin/env bash
# One player against the computer on the real program, taking the first empty cell each move
# by a click and by its digit key in turn, game after game until one is won or lost; the score
# box then shows it counted once.
source "$(dirname "$0")/lib.sh"
setup "$@"
RESULT="Tic Tac Toe !" moves=0
# count WIN or LOSS: the ink of that count, read inside its cell of the orange score table.
WIN=$(px 268) LOSS=$(px 316)
# take CELL: a click on odd moves, the digit of the row above the letters on even ones.
take() { if ((++moves % 2)); then click_cell "$1"; else press "$WINDOW" $(($1 + 1)); fi; }
count() { mask "$WINDOW" "$1" "$(px 172)" "$(px 40)" "$(px 24)"; }
# Whether the ink reads as a 1: a single run in every inked row, and one column inked in all
# of them. A 1 drawn without smoothing may show its flag apart from the stem in one row (one
# row of pixels at 96 dots per inch, as many as that row becomes at a larger scale).
reads_one() {
  awk -v most="$(px 1)" '/#/ { n++; if (/#\.+#/) { gap++; next } match($0, /#+/); if (RSTART > l) l = RSTART
    e = RSTART + RLENGTH; if (!r || e < r) r = e } END { exit !(n >= 4 && gap <= most && l < r) }'
}

start_game
menu=$(wait_window "$MENU") || exit 1
press "$menu" Return  # ONE PLAYER has the focus on a fresh menu
answer_input_box "Zoe" >/dev/null || exit 1
WINDOW=$(wait_window "SINGLE PLAYER !") FX=$(px 16) FY=$(px 24) || exit 1
drawn() { board_is ......... && count $WIN | grep -q '#'; }
wait_until 5 drawn || fail "no empty board and score box"
zero=$(count $WIN)
[ "$(count $LOSS)" = "$zero" ] && ! reads_one <<<"$zero" || fail "the counts do not both read 0"

# A tie counts nothing, so play on until a line is struck.
for game in 1 2 3 4 5 6 7 8; do
  play_to_result take
  dismiss "$RESULT"
  [ "$(strike 0 0 241 185)" -gt 0 ] && break
  [[ $(board) != *.* ]] || fail "a game ended on $(board), with no line and no full board"
  [ "$(count $WIN)$(count $LOSS)" = "$zero$zero" ] || fail "a tie was counted (game $game)"
  press "$WINDOW" alt+n
  wait_until 5 board_is ......... || fail "NEW GAME left $(board) on the board"
done
counted() { [ "$(count $WIN)$(count $LOSS)" != "$zero$zero" ]; }
wait_until 5 counted || fail "no result counted after $game games"
if [ "$(count $WIN)" != "$zero" ]; then one=$WIN other=$LOSS; else one=$LOSS other=$WIN; fi
count $one | reads_one && [ "$(count $other)" = "$zero" ] || fail "not one count 1, the other 0"
leave "$WINDOW" "SINGLE PLAYER !"
quit
