#!/usr/bin/env bash
# Both games on the real program with the keyboard alone: the keypad by position with Num Lock
# off and on, the digit row in reading order, a locked board refusing keys, and a game against
# the computer to its result. The pointer never moves.
source "$(dirname "$0")/lib.sh"
setup "$@"
RESULT="Tic Tac Toe !"
keys() { local key; for key; do press "$WINDOW" "$key"; done; }
# The digit of the row above the letters that places on cell $1 (0 the top left).
digit_of() { keys $(($1 + 1)); }

start_game
menu=$(wait_window "$MENU") || exit 1
press "$menu" alt+t
first=$(answer_input_box "Ann") || exit 1
answer_input_box "Bob" "$first" >/dev/null || exit 1
WINDOW=$(wait_window "TWO PLAYER !") FX=24 FY=24 || exit 1

# Num Lock off: the keypad's 7 4 8 5 9 are Home, Left, Up, Begin and Page Up.
keys KP_Home KP_Left KP_Up KP_Begin KP_Prior
dismiss "Ann WON !"
wait_until 5 board_is XXXOO.... || fail "the keypad without Num Lock gave $(board), not XXXOO...."
keys KP_End 9
board_is XXXOO.... || fail "the locked board took a key: $(board)"
# The keys beside the keypad place nothing.
press "$WINDOW" alt+n
wait_until 5 board_is ......... || fail "NEW GAME left $(board) on the board"
keys Home End Left Up Prior Next 0
board_is ......... || fail "the keys beside the keypad placed $(board)"

# Num Lock on: O first after NEW GAME, the bottom row is the keypad's 1 2 3.
keys Num_Lock KP_1 KP_2 KP_5 KP_3 KP_8 Num_Lock
wait_until 5 board_is .O..O.OXX || fail "the keypad with Num Lock gave $(board), not .O..O.OXX"
# The digit row to a full board: X top right, O top left, X middle left, O middle right.
keys 3 1 4 6
dismiss "TIE !"
board_is OOXXOOOXX || fail "the digit row gave $(board), not OOXXOOOXX"
leave "$WINDOW" "TWO PLAYER !"

press "$menu" alt+o
answer_input_box "Zoe" >/dev/null || exit 1
WINDOW=$(wait_window "SINGLE PLAYER !") FX=16 FY=24 || exit 1
wait_until 5 board_is ......... || fail "no empty board"
play_to_result digit_of
dismiss "$RESULT"
leave "$WINDOW" "SINGLE PLAYER !"
quit
