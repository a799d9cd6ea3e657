#!/usr/bin/env bash
# Two people on the real program, by the keyboard and the pointer: names, a win by X with the
# keypad (Num Lock off), a tie with the digit row, a win by O with the keypad (Num Lock on),
# and out through the contact box. The keys never take the focus from the buttons: Return
# then presses the button that had it.
source "$(dirname "$0")/lib.sh"
setup "$@"
# keys WINDOW KEY...: sent as typed, with Num Lock left as it is.
keys() { local window=$1; shift; xdotool windowfocus --sync "$window" key "$@" || fail "cannot press $*"; }

start_game
menu=$(wait_window "$MENU") || exit 1
[ "$(windows | cut -d' ' -f2-)" = "$MENU" ] || fail "the menu is not alone on screen at start"

# Both names are asked before the window shows, which then replaces the menu. Cancelled, even
# with a name typed, a name is the default one.
press "$menu" alt+t
first=$(wait_window "$ASK") || exit 1
xdotool windowfocus --sync "$first" type --delay 20 Cy && press "$first" Escape || fail "cannot type Cy"
window_gone "TWO PLAYER !" || fail "the game window came before the second name"
answer_input_box "Bob" "$first" >/dev/null || exit 1
WINDOW=$(wait_window "TWO PLAYER !") FX=$(px 24) FY=$(px 24) || exit 1
window_gone "$MENU" || fail "the menu stays on screen beside the game"

# The keypad by position: 7 8 9 is the top row. X takes it; O gets the middle left and centre.
keys "$WINDOW" KP_Home KP_Left KP_Up KP_Begin KP_Prior
dismiss "PLAYER A WON !"
click_cell 8
keys "$WINDOW" KP_End 9  # the locked board takes no click and no key
wait_until 5 board_is XXXOO.... || fail "the board reads $(board), not XXXOO...."
[ "$(strike 48 46 144 5)" -ge 100 ] || fail "no strike line through the top row"
keys "$WINDOW" Escape
window_id "TWO PLAYER !" >/dev/null || fail "Escape closed the game window"
# "&NEW GAME" kept the focus through every key: Return presses it.
keys "$WINDOW" Return
wait_until 5 board_is ......... || fail "Return did not press NEW GAME: $(board)"
[ "$(strike 0 0 241 185)" -eq 0 ] || fail "NEW GAME left the strike line on screen"
# The keys beside the keypad, and 0, place nothing.
keys "$WINDOW" Home End Left Up Prior Next 0
board_is ......... || fail "the keys beside the keypad placed $(board)"

# The digit row in reading order, to a full board without a line; O opens the new game, and a
# taken cell takes no key.
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
quit
