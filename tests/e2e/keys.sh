#!/usr/bin/env bash
# Whole games on the real program with the keyboard alone: two players to a win with the
# keypad (Num Lock off), to a tie with the digit row, to a win with the keypad again (Num Lock
# on), and one player against the computer to a result. The keys never take the focus from
# the buttons: Return then presses the button that had it.
source "$(dirname "$0")/lib.sh"
setup "$@"
RESULT="Tic Tac Toe !"
# keys WINDOW KEY...: sent as typed, with Num Lock left as it is.
keys() { local window=$1; shift; xdotool windowfocus --sync "$window" key "$@" || fail "cannot press $*"; }
# The digit of the row above the letters that places on cell $1 (0 the top left).
digit_of() { keys "$WINDOW" $(($1 + 1)); }

start_game
menu=$(wait_window "$MENU") || exit 1
press "$menu" alt+t
first=$(answer_input_box "Ann") || exit 1
answer_input_box "Bob" "$first" >/dev/null || exit 1
WINDOW=$(wait_window "TWO PLAYER !") FX=$(px 24) FY=$(px 24) || exit 1

# The keypad by position: 7 8 9 is the top row. X takes it; O gets the middle left and centre.
keys "$WINDOW" KP_Home KP_Left KP_Up KP_Begin KP_Prior
dismiss "Ann WON !"
keys "$WINDOW" KP_End 9  # the locked board takes no key
wait_until 5 board_is XXXOO.... || fail "the board reads $(board), not XXXOO...."
keys "$WINDOW" Escape
window_id "TWO PLAYER !" >/dev/null || fail "Escape closed the game window"
# "&NEW GAME" kept the focus through every key: Return presses it. O opens the new game.
keys "$WINDOW" Return
wait_until 5 board_is ......... || fail "Return did not press NEW GAME: $(board)"
# The keys beside the keypad, and 0, place nothing.
keys "$WINDOW" Home End Left Up Prior Next 0
board_is ......... || fail "the keys beside the keypad placed $(board)"

# The digit row in reading order, to a full board without a line; a taken cell takes no key.
keys "$WINDOW" 1 2 3 5 3 4 6 8 7 9
dismiss "TIE !"
board_is OXOOXXXOO || fail "the tie left $(board), not OXOOXXXOO"

# Num Lock on: the same keypad keys still place by position. O, first again, takes the
# right column.
keys "$WINDOW" alt+n Num_Lock
wait_until 5 board_is ......... || fail "NEW GAME left $(board) on the board"
keys "$WINDOW" KP_Prior KP_Home KP_Right KP_End KP_Next
dismiss "Bob WON !"
board_is X.O..OX.O || fail "the keypad with Num Lock on placed $(board), not X.O..OX.O"
keys "$WINDOW" Num_Lock
leave "$WINDOW" "TWO PLAYER !"

# One player: Return on the menu starts the game; the first empty cell by the digit row, until
# the result box.
press "$menu" Return
answer_input_box "Zoe" >/dev/null || exit 1
WINDOW=$(wait_window "SINGLE PLAYER !") FX=$(px 16) FY=$(px 24) || exit 1
wait_until 5 board_is ......... || fail "no empty board"
play_to_result digit_of
dismiss "$RESULT"
[[ $(board) != *.* ]] || [ "$(strike 0 0 241 185)" -gt 0 ] || fail "the game ended on $(board) without a line"
leave "$WINDOW" "SINGLE PLAYER !"
quit
